#pragma once
// Writes a complete installation: the program folder with ver.txt, sMenu.sys, the cursor
// files, examdata and an empty ksdata, and the data folder with the bank.
#include <string>

#include "tools/bankgen/bank.h"

namespace xpexam::bankgen {

struct Installation {
  std::string module_name = "XP";
  std::string module_title = "Windows XP 操作系统";
  std::string data_folder = "xpdata";
  int product_no = 28883;
  std::string bank_version = "202609010900";
  int paper_count = 8;
};

// The settings line coding: each character as a six-digit group from its GBK value.
std::string CodeSettingsLine(const std::string& utf8);

// Checks the bank (targets clear of the question bar and the title strip, every question
// finished, no step completed by the release of the previous step's gesture) and throws std::runtime_error on the first fault.
void CheckBank(Bank& bank);

// The fixed papers: each 40 distinct question codes.
std::vector<std::string> FixedPapers(Bank& bank, int count);

// Writes the installation into root, which must be missing, empty or an earlier installation.
void WriteInstallation(Bank& bank, const Installation& inst, const std::string& root);

}  // namespace xpexam::bankgen
