// End-to-end: run dentaro_cli as a user would and compare what it prints.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::string& args) {
    static int counter = 0;
    const std::string errFile =
        ::testing::TempDir() + "dentaro_cli_err_" + std::to_string(++counter) + ".txt";
    const std::string command = std::string(DENTARO_CLI) + " " + args + " 2>" + errFile;
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::remove(errFile.c_str());
    return run;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// What a sequence of user actions prints, exactly.
struct PrintCase {
    const char* name;
    const char* args;
    const char* out;
};

void ExpectPrints(const PrintCase* begin, const PrintCase* end) {
    for (const PrintCase* c = begin; c != end; ++c) {
        const CliRun run = RunCli(c->args);
        EXPECT_EQ(run.status, 0) << c->name;
        EXPECT_EQ(run.out, c->out) << c->name;
    }
}

TEST(Cli, PrintsTheTitleOfANewProjectInBothLanguages) {
    const PrintCase kCases[] = {
        {"English", "--print title", "Dentaro - new project   (ISO 53 / DIN 867 / DIN 3960)\n"},
        {"Dutch", "--lang nl --print title",
         "Dentaro - nieuw project   (ISO 53 / DIN 867 / DIN 3960)\n"},
        {"modified", "--set 16=11 --print title",
         "Dentaro - new project *   (ISO 53 / DIN 867 / DIN 3960)\n"},
    };
    ExpectPrints(std::begin(kCases), std::end(kCases));
}

TEST(Cli, ListsEveryControlWithItsDefault) {
    const CliRun run = RunCli("--print controls");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              ReadFile(std::string(DENTARO_SOURCE_DIR) + "/tests/cli/expected/controls.txt"));
}

TEST(Cli, SingleTabDefaultReport) {
    const CliRun run = RunCli("--choose 0=1 --print report");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReadFile(std::string(DENTARO_SOURCE_DIR) +
                                "/tests/cli/expected/single_default_report.txt"));
}

TEST(Cli, DefaultSearchRows) {
    const CliRun run = RunCli("--print rows:13");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              ReadFile(std::string(DENTARO_SOURCE_DIR) + "/tests/cli/expected/default_rows.txt"));
    std::istringstream helical(RunCli("--choose 6=1 --set 4=20 --click 12 --print rows:13").out);
    std::string line;
    int lines = 0;
    while (std::getline(helical, line)) {
        ++lines;
    }
    EXPECT_EQ(lines, 68);
}

TEST(Cli, MessagesGoToStandardError) {
    const CliRun run = RunCli("--set 10=2 --click 12 --print rows:13");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Dentaro: Check centre distance, ratio, pressure angle (10..35), β (0..45) and z "
              "min.\n");
    EXPECT_EQ(RunCli("--lang nl --set 7=0 --set 2=2.013 --click 12").err,
              "Dentaro: Geen combinaties gevonden. Vergroot de tolerantie of de grenzen van Σx.\n");
}

TEST(Cli, ViewFollowsTheMouse) {
    // The Single default gear fitted on 900 x 700: zoom min(860, 640) / 44.
    const PrintCase kCases[] = {
        {"fitted", "--choose 0=1 --print view", "14.545455\t0.000000\t0.000000\n"},
        {"drag 100 px right", "--choose 0=1 --drag 100,100,200,100 --print view",
         "14.545455\t-6.875000\t0.000000\n"},
        {"one notch at the centre", "--choose 0=1 --wheel 450,350,1 --print view",
         "17.454545\t0.000000\t0.000000\n"},
        {"double click fits again",
         "--choose 0=1 --wheel 450,350,5 --double-click 1,1 --print view",
         "14.545455\t0.000000\t0.000000\n"},
        {"wider canvas, height decides", "--size 1000x700 --choose 0=1 --print view",
         "14.545455\t0.000000\t0.000000\n"},
    };
    ExpectPrints(std::begin(kCases), std::end(kCases));
}

TEST(Cli, RejectsWrongArgumentsWithExitCode2) {
    const char* const kWrong[] = {
        "--bogus",         "--set",          "--set 999=1", "--set 12=1",
        "--choose 5=2",    "--choose 13=99", "--click 16",  "--print nothing",
        "--lang fr",       "--size 0x10",    "--wheel 1,2", "--print items:16",
        "--print rows:16", "--choose 0=4",   "--set 16",    "--drag 1,2,3,x",
    };
    for (const char* args : kWrong) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("dentaro_cli: "), std::string::npos) << args;
    }
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--print WHAT"), std::string::npos);
}

TEST(Cli, RenderWritesTheCanvasAsSvg) {
    const std::string file = ::testing::TempDir() + "dentaro_single.svg";
    const CliRun run = RunCli("--choose 0=1 --render " + file);
    ASSERT_EQ(run.status, 0);
    const std::string svg = ReadFile(file);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("(14.55 px/mm)"), std::string::npos);
    EXPECT_NE(svg.find("rgb(140,175,220)"), std::string::npos);  // the body of gear 1
    std::remove(file.c_str());
}
