// The scene as an SVG 1.1 document: the background, paths filled even-odd and stroked,
// and texts, with numbers written independently of the locale.
#include "view/svg_writer.h"

#include <cmath>
#include <string>

#include "app/format.h"

namespace {

// Three decimals are a thousandth of a pixel; trailing zeros are left off.
std::string Number(double v) {
    if (!std::isfinite(v)) {
        v = 0.0;
    }
    std::string s = FormatFixed(v, 3);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') {
            s.pop_back();
        }
        if (s.back() == '.') {
            s.pop_back();
        }
    }
    return s;
}

std::string Rgb(Colour c) {
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) +
           ")";
}

std::string Opacity(Colour c) {
    return FormatFixed(c.a / 255.0, 3);
}

// Characters that XML forbids in text are dropped; markup characters are escaped.
std::string EscapeXml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const unsigned char u = static_cast<unsigned char>(ch);
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (u >= 0x20 || ch == '\t' || ch == '\n' || ch == '\r') {
                    out += ch;
                }
                break;
        }
    }
    return out;
}

void WritePath(const ScenePath& path, std::ostream& out) {
    std::string d;
    for (const SubPath& sub : path.subPaths) {
        if (sub.points.empty()) {
            continue;
        }
        for (size_t i = 0; i < sub.points.size(); ++i) {
            d += i == 0 ? (d.empty() ? "M" : " M") : " L";
            d += Number(sub.points[i].x);
            d += ' ';
            d += Number(sub.points[i].y);
        }
        if (sub.closed) {
            d += " Z";
        }
    }
    if (d.empty()) {
        return;
    }
    out << "<path d=\"" << d << "\" fill-rule=\"evenodd\"";
    if (path.filled) {
        out << " fill=\"" << Rgb(path.fillColour) << "\" fill-opacity=\""
            << Opacity(path.fillColour) << "\"";
    } else {
        out << " fill=\"none\"";
    }
    if (path.stroked) {
        out << " stroke=\"" << Rgb(path.strokeColour) << "\" stroke-opacity=\""
            << Opacity(path.strokeColour) << "\" stroke-width=\"" << Number(path.strokeWidth)
            << "\"";
        if (!path.dashPattern.empty()) {
            out << " stroke-dasharray=\"";
            for (size_t i = 0; i < path.dashPattern.size(); ++i) {
                out << (i ? " " : "") << Number(path.dashPattern[i]);
            }
            out << "\"";
        }
    } else {
        out << " stroke=\"none\"";
    }
    out << "/>\n";
}

void WriteText(const SceneText& text, std::ostream& out) {
    out << "<text x=\"" << Number(text.topLeft.x) << "\" y=\"" << Number(TextBaselineY(text))
        << "\" font-family=\"Segoe UI, DejaVu Sans, sans-serif\" font-size=\""
        << Number(text.pixelSize) << "px\" fill=\"" << Rgb(text.colour) << "\" fill-opacity=\""
        << Opacity(text.colour) << "\" xml:space=\"preserve\">" << EscapeXml(text.text)
        << "</text>\n";
}

}  // namespace

void WriteSvg(const Scene& scene, std::ostream& out) {
    const std::string w = Number(scene.width);
    const std::string h = Number(scene.height);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << w
        << "px\" height=\"" << h << "px\" viewBox=\"0 0 " << w << " " << h << "\">\n";
    // Nothing outside the canvas shows, as on screen.
    out << "<defs><clipPath id=\"canvas\"><rect x=\"0\" y=\"0\" width=\"" << w << "\" height=\""
        << h << "\"/></clipPath></defs>\n";
    out << "<rect x=\"0\" y=\"0\" width=\"" << w << "\" height=\"" << h << "\" fill=\""
        << Rgb(scene.background) << "\" fill-opacity=\"" << Opacity(scene.background) << "\"/>\n";
    out << "<g clip-path=\"url(#canvas)\">\n";
    for (const SceneItem& item : scene.items) {
        if (item.kind == SceneItem::Kind::Path) {
            WritePath(item.path, out);
        } else {
            WriteText(item.text, out);
        }
    }
    out << "</g>\n</svg>\n";
}
