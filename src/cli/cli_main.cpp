// dentaro_cli: the application core without windows, for batch work and end-to-end tests.
// It starts up exactly as the program does, then carries out its arguments in order as
// user actions.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/format.h"
#include "cli/console_platform.h"
#include "texts/text_table.h"
#include "view/refresh_view.h"
#include "view/svg_writer.h"

namespace {

const char kUsage[] =
    "Usage: dentaro_cli [--lang en|nl] [ACTION ...]\n"
    "\n"
    "Starts Dentaro without windows, exactly as the program starts (the default pair search\n"
    "runs and its first row is applied), then carries out the actions in the order given, as a\n"
    "user would, and exits with 0. A wrong argument prints a message and exits with 2.\n"
    "Messages that the program would show in a message box go to standard error as\n"
    "\"Dentaro: <text>\"; a question is answered Cancel where offered, otherwise No.\n"
    "\n"
    "  --lang en|nl          texts of the English (default) or the Dutch program\n"
    "  --set ID=TEXT         type TEXT into text field or editable drop-down ID\n"
    "  --choose ID=N         pick item N of drop-down ID, set check box ID to N (0 or 1),\n"
    "                        move slider ID to N, select tab N (ID 0) or row N of result list ID\n"
    "  --click ID            press button ID\n"
    "  --menu N              choose menu item N (102 user guide, 103 About)\n"
    "  --size WxH            canvas size in logical pixels from now on (default 900x700)\n"
    "  --wheel X,Y,N         turn the mouse wheel N notches at canvas point X,Y\n"
    "  --drag X0,Y0,X1,Y1    drag with the left button from X0,Y0 to X1,Y1\n"
    "  --double-click X,Y    double-click the canvas at X,Y (fits the drawing)\n"
    "  --render FILE.svg     write what the canvas shows as an SVG drawing\n"
    "  --print WHAT          write to standard output:\n"
    "        title           the main window title\n"
    "        report          the report box text exactly (CR LF line ends)\n"
    "        control:ID      the text of control ID, or its state for check boxes, drop-down\n"
    "                        lists, sliders, the tab panel and result lists\n"
    "        items:ID        the items of drop-down ID, one a line\n"
    "        rows:ID         the rows of result list ID, one a line, columns tab-separated\n"
    "        controls        every control of every window: id, kind and value, tab-separated\n"
    "                        (a report box gives its number of lines, a canvas no value)\n"
    "        view            zoom, centre x and centre y of the view, 6 decimals each\n"
    "  --help                this text\n"
    "\n"
    "Control ids: Pair tab 1-19, Single tab 20-28, Rack tab 29-39, Internal tab 53-73,\n"
    "view and export 40-48, 74, 109, buttons 49-52, canvas 102, hub window 110-127.\n";

struct Action {
    std::string option;
    std::string value;
};

struct UsageError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& message) {
    throw UsageError{message};
}

int64_t ToInteger(const std::string& text, const std::string& what) {
    if (text.empty()) {
        Fail("missing number in " + what);
    }
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) {
        Fail("not a whole number: " + text + " in " + what);
    }
    for (size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') {
            Fail("not a whole number: " + text + " in " + what);
        }
    }
    if (text.size() > 18) {
        Fail("number out of range: " + text + " in " + what);
    }
    return ParseInteger(text);
}

std::vector<int64_t> ToIntegers(const std::string& text, size_t count, const std::string& what) {
    std::vector<int64_t> values;
    std::stringstream in(text);
    std::string piece;
    while (std::getline(in, piece, ',')) {
        values.push_back(ToInteger(piece, what));
    }
    if (values.size() != count) {
        Fail(what + " needs " + std::to_string(count) + " comma-separated whole numbers");
    }
    return values;
}

// ID=VALUE
std::pair<int, std::string> SplitAssignment(const std::string& text, const std::string& what) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos) {
        Fail(what + " needs ID=VALUE, got: " + text);
    }
    return {static_cast<int>(ToInteger(text.substr(0, eq), what)), text.substr(eq + 1)};
}

const Control& ControlOf(const AppState& state, int id, const std::string& what) {
    if (!state.ui.Has(id)) {
        Fail(what + ": there is no control " + std::to_string(id));
    }
    return state.ui.Get(id);
}

bool PrintsState(ControlKind kind) {
    return kind == ControlKind::Check || kind == ControlKind::Dropdown ||
           kind == ControlKind::Slider || kind == ControlKind::Tabs || kind == ControlKind::List;
}

size_t LineCount(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    size_t lines = 0;
    size_t pos = 0;
    while (true) {
        const size_t end = text.find("\r\n", pos);
        ++lines;
        if (end == std::string::npos || end + 2 == text.size()) {
            break;
        }
        pos = end + 2;
    }
    return lines;
}

std::string ControlValue(const Control& c) {
    if (PrintsState(c.kind)) {
        return FormatInteger(c.state);
    }
    return c.text;
}

void Print(const AppState& state, const std::string& what) {
    if (what == "title") {
        std::cout << state.windows[kMainWindow].title << '\n';
    } else if (what == "report") {
        std::cout << state.ui.Get(ctl::kReport).text;
    } else if (what == "view") {
        std::cout << FormatFixed(state.view.zoom, 6) << '\t' << FormatFixed(state.view.centreX, 6)
                  << '\t' << FormatFixed(state.view.centreY, 6) << '\n';
    } else if (what == "controls") {
        for (int window = 0; window < 3; ++window) {
            for (const auto& [id, c] : state.ui.controls) {
                if (c.window != window) {
                    continue;
                }
                std::cout << id << '\t' << ControlKindName(c.kind);
                if (c.kind == ControlKind::Report) {
                    std::cout << '\t' << LineCount(c.text);
                } else if (c.kind != ControlKind::Canvas) {
                    std::cout << '\t' << ControlValue(c);
                }
                std::cout << '\n';
            }
        }
    } else if (what.rfind("control:", 0) == 0) {
        const int id = static_cast<int>(ToInteger(what.substr(8), "--print control:ID"));
        std::cout << ControlValue(ControlOf(state, id, "--print")) << '\n';
    } else if (what.rfind("items:", 0) == 0) {
        const int id = static_cast<int>(ToInteger(what.substr(6), "--print items:ID"));
        const Control& c = ControlOf(state, id, "--print");
        if (c.kind != ControlKind::Dropdown && c.kind != ControlKind::Editable) {
            Fail("--print items: control " + std::to_string(id) + " is not a drop-down");
        }
        for (const std::string& item : c.items) {
            std::cout << item << '\n';
        }
    } else if (what.rfind("rows:", 0) == 0) {
        const int id = static_cast<int>(ToInteger(what.substr(5), "--print rows:ID"));
        const Control& c = ControlOf(state, id, "--print");
        if (c.kind != ControlKind::List) {
            Fail("--print rows: control " + std::to_string(id) + " is not a result list");
        }
        for (const auto& row : c.rows) {
            for (size_t i = 0; i < row.size(); ++i) {
                std::cout << (i ? "\t" : "") << row[i];
            }
            std::cout << '\n';
        }
    } else {
        Fail("--print: unknown WHAT: " + what);
    }
}

void Choose(AppState& state, const std::string& value) {
    const auto [id, text] = SplitAssignment(value, "--choose");
    const Control& c = ControlOf(state, id, "--choose");
    const int64_t n = ToInteger(text, "--choose");
    int64_t lo = 0;
    int64_t hi = -1;
    switch (c.kind) {
        case ControlKind::Dropdown:
        case ControlKind::Tabs:
            hi = static_cast<int64_t>(c.items.size()) - 1;
            break;
        case ControlKind::Check:
            hi = 1;
            break;
        case ControlKind::Slider:
            lo = c.minimum;
            hi = c.maximum;
            break;
        case ControlKind::List:
            hi = static_cast<int64_t>(c.rows.size()) - 1;
            break;
        default:
            Fail("--choose: control " + std::to_string(id) + " cannot be chosen from");
    }
    if (n < lo || n > hi) {
        Fail("--choose: " + std::to_string(n) + " is out of range for control " +
             std::to_string(id));
    }
    UserChoose(state, id, n);
}

void Perform(AppState& state, const Action& action) {
    const std::string& o = action.option;
    const std::string& v = action.value;
    if (o == "--set") {
        const auto [id, text] = SplitAssignment(v, "--set");
        const Control& c = ControlOf(state, id, "--set");
        if (c.kind != ControlKind::Text && c.kind != ControlKind::Editable) {
            Fail("--set: control " + std::to_string(id) + " is not a text field");
        }
        UserSetText(state, id, text);
    } else if (o == "--choose") {
        Choose(state, v);
    } else if (o == "--click") {
        const int id = static_cast<int>(ToInteger(v, "--click"));
        if (ControlOf(state, id, "--click").kind != ControlKind::Button) {
            Fail("--click: control " + std::to_string(id) + " is not a button");
        }
        UserClick(state, id);
    } else if (o == "--menu") {
        HandleMenuItem(state, static_cast<int>(ToInteger(v, "--menu")));
    } else if (o == "--print") {
        Print(state, v);
    } else if (o == "--size") {
        const size_t x = v.find('x');
        if (x == std::string::npos) {
            Fail("--size needs WxH, got: " + v);
        }
        const int64_t w = ToInteger(v.substr(0, x), "--size");
        const int64_t h = ToInteger(v.substr(x + 1), "--size");
        if (w <= 0 || h <= 0 || w > 100000 || h > 100000) {
            Fail("--size: width and height must lie between 1 and 100000");
        }
        ResizeCanvas(state, static_cast<double>(w), static_cast<double>(h));
    } else if (o == "--wheel") {
        const auto n = ToIntegers(v, 3, "--wheel");
        HandleControlEvent(state, {ctl::kCanvas, EventKind::MouseEnter, static_cast<int>(n[0]),
                                   static_cast<int>(n[1])});
        HandleControlEvent(state, {ctl::kCanvas, EventKind::Wheel, static_cast<int>(n[0]),
                                   static_cast<int>(n[1]), static_cast<int>(n[2])});
    } else if (o == "--drag") {
        const auto n = ToIntegers(v, 4, "--drag");
        const int x0 = static_cast<int>(n[0]), y0 = static_cast<int>(n[1]);
        const int x1 = static_cast<int>(n[2]), y1 = static_cast<int>(n[3]);
        HandleControlEvent(state, {ctl::kCanvas, EventKind::MouseDown, x0, y0});
        HandleControlEvent(state, {ctl::kCanvas, EventKind::MouseMove, x1, y1});
        HandleControlEvent(state, {ctl::kCanvas, EventKind::MouseUp, x1, y1});
    } else if (o == "--double-click") {
        const auto n = ToIntegers(v, 2, "--double-click");
        HandleControlEvent(state, {ctl::kCanvas, EventKind::DoubleClick, static_cast<int>(n[0]),
                                   static_cast<int>(n[1])});
    } else if (o == "--render") {
        std::ostringstream svg;
        WriteSvg(state.scene, svg);
        std::ofstream file(v, std::ios::binary | std::ios::trunc);
        file << svg.str();
        file.close();
        if (!file) {
            std::cerr << "Dentaro: cannot write " << v << '\n';
            std::exit(1);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Action> actions;
    Lang lang = Lang::En;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--help" || arg == "-h") {
                std::cout << kUsage;
                return 0;
            }
            static const char* const kWithValue[] = {
                "--lang", "--set",   "--choose", "--click",        "--menu",  "--print",
                "--size", "--wheel", "--drag",   "--double-click", "--render"};
            bool known = false;
            for (const char* option : kWithValue) {
                known = known || arg == option;
            }
            if (!known) {
                Fail("unknown argument: " + arg);
            }
            if (i + 1 >= argc) {
                Fail(arg + " needs a value");
            }
            const std::string value = argv[++i];
            if (arg == "--lang") {
                if (value != "en" && value != "nl") {
                    Fail("--lang must be en or nl");
                }
                lang = value == "nl" ? Lang::Nl : Lang::En;
            } else {
                actions.push_back({arg, value});
            }
        }
        ConsolePlatform platform;
        AppState state;
        StartUp(state, TextsFor(lang), platform, {});
        for (const Action& action : actions) {
            Perform(state, action);
        }
        std::cout.flush();
    } catch (const UsageError& error) {
        std::cout.flush();
        std::cerr << "dentaro_cli: " << error.message << "\n(see dentaro_cli --help)\n";
        return 2;
    }
    return 0;
}
