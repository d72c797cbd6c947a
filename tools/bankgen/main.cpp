// Writes the sample installation: xpexam-bankgen <program folder>
// xpexam-bankgen --coverage prints the table of step codes and questions for the README.
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "forms/graphics.h"
#include "tools/bankgen/content.h"
#include "tools/bankgen/coverage.h"
#include "tools/bankgen/draw.h"
#include "tools/bankgen/install.h"

int main(int argc, char** argv) {
  using namespace xpexam::bankgen;
  // --clipped-report FILE: also lists there, one a line, the captions that do not fit their
  // boxes (the generator's test expects none).
  std::string report;
  if (argc == 4 && std::string(argv[1]) == "--clipped-report") {
    report = argv[2];
    argv[1] = argv[3];
    argc = 2;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s [--clipped-report FILE] <program folder>\n", argv[0]);
    return 2;
  }
  auto start = std::chrono::steady_clock::now();
  try {
    // The same fonts whatever the machine's locale, so that every run gives the same bytes.
    xpexam::forms::InitFonts();
    if (std::string(argv[1]) == "--coverage") {
      Bank bank;
      BuildBank(bank);
      std::fputs(CoverageTable(bank).c_str(), stdout);
      return 0;
    }
    Bank bank;
    BuildBank(bank);
    Installation inst;
    WriteInstallation(bank, inst, argv[1]);
    if (!report.empty()) {
      std::ofstream out(report, std::ios::binary | std::ios::trunc);
      for (const std::string& text : ClippedTexts()) out << text << "\n";
      if (!out) throw std::runtime_error("cannot write " + report);
    }
    size_t questions = 0, bytes = 0;
    for (const auto& u : bank.units()) questions += u.questions.size();
    for (const auto& e : std::filesystem::recursive_directory_iterator(argv[1]))
      if (e.is_regular_file()) bytes += e.file_size();
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("sample installation: %zu units, %zu questions, %zu pictures, %.1f MB, %.1f s\n",
                bank.units().size(), questions, bank.pictures().Files().size(), bytes / 1048576.0, secs);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "xpexam-bankgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
