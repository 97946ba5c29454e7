// The scene as an SVG document: well-formed XML, styles and texts as the canvas paints them.
#include "view/svg_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>

#include "geometry/external_outline.h"
#include "texts/text_table.h"
#include "view/refresh_view.h"
#include "view/zoom_pan.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A number format with decimal comma and digit grouping, as some desktops have.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

Scene SmallScene() {
    Scene scene;
    scene.width = 1200;
    scene.height = 700;
    SceneItem path;
    path.path.subPaths = {{{{10.5, 20.25}, {1100.125, 20.0}, {50.0, 600.0}}, true},
                          {{{20.0, 30.0}, {40.0, 30.0}}, false}};
    path.path.filled = true;
    path.path.fillColour = {140, 175, 220, 255};
    path.path.stroked = true;
    path.path.strokeColour = {0, 60, 200, 220};
    path.path.strokeWidth = 1.2;
    path.path.dashPattern = {8.0, 8.0};
    scene.items.push_back(path);
    SceneItem text;
    text.kind = SceneItem::Kind::Text;
    text.text.topLeft = {10.0, 676.0};
    text.text.pixelSize = 13.0;
    text.text.colour = {90, 90, 100, 255};
    text.text.text = "a < b & \"c\" > 'd' \x01 \xc3\x98 1200";
    scene.items.push_back(text);
    return scene;
}

std::string Svg(const Scene& scene, std::ostringstream&& out) {
    WriteSvg(scene, out);
    return out.str();
}

TEST(SvgWriterTest, StylesNumbersAndTexts) {
    std::ostringstream stream;
    stream.imbue(std::locale(std::locale::classic(), new CommaPunct));
    const std::string svg = Svg(SmallScene(), std::move(stream));
    for (const char* expected : {
             "width=\"1200px\" height=\"700px\" viewBox=\"0 0 1200 700\"",
             "fill=\"rgb(250,250,252)\"",
             "d=\"M10.5 20.25 L1100.125 20 L50 600 Z M20 30 L40 30\"",
             "fill-rule=\"evenodd\"",
             "fill=\"rgb(140,175,220)\" fill-opacity=\"1.000\"",
             "stroke=\"rgb(0,60,200)\" stroke-opacity=\"0.863\" stroke-width=\"1.2\"",
             "stroke-dasharray=\"8 8\"",
             // The baseline sits 0.8 of the pixel size below the top of the line.
             "<text x=\"10\" y=\"686.4\"",
             "font-family=\"Segoe UI, DejaVu Sans, sans-serif\" font-size=\"13px\"",
             ">a &lt; b &amp; &quot;c&quot; &gt; &apos;d&apos;  \xc3\x98 1200</text>",
         }) {
        EXPECT_NE(svg.find(expected), std::string::npos) << expected << "\n" << svg;
    }
    EXPECT_EQ(svg.find("1.200"), std::string::npos);  // no grouping of the width
}

TEST(SvgWriterTest, GearDrawingIsWellFormedXml) {
    AppState state;
    state.texts = &EnglishTexts();
    state.gear1.mn = 2.0;
    state.gear1.z = 20;
    state.gear1.alphaN = 20.0 * kPi / 180.0;
    GenerateExternalGear(state.gear1, 1);
    state.gear1.bore = 12.0;
    state.viewMode = ViewMode::Single;
    FitView(state);
    std::ostringstream out;
    WriteSvg(BuildScene(state, 900.0, 700.0), out);
    const std::string svg = out.str();
    EXPECT_NE(svg.find("(14.55 px/mm)</text>"), std::string::npos);

    const std::filesystem::path python = "/usr/bin/python3";
    if (!std::filesystem::exists(python)) {
        GTEST_SKIP() << "no XML parser to check with";
    }
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "dentaro_view_test_gear.svg";
    {
        std::ofstream f(file, std::ios::binary);
        f << svg;
    }
    const std::string command =
        python.string() +
        " -c \"import xml.dom.minidom,sys; xml.dom.minidom.parse(sys.argv[1])\" " + file.string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::filesystem::remove(file);
}

}  // namespace
