#pragma once
// The installation this run works with: the program folder, the settings table and what the
// settings reader derives from it, the layout scale, the bank's version and layout, the unit
// table. The start-up, the settings reader and the home build fill it in; everyone else reads it
// through installation(). A change goes through editInstallation() and a call that names what
// it sets, so a search for the setter finds every writer.
#include <cstdint>
#include <string>

#include "platform/bounded.h"

namespace xpexam::frame {

class Installation {
 public:
  // The program folder (no trailing separator) and the program file's name without extension.
  const std::string& appPath() const { return appPath_; }
  const std::string& appExeName() const { return appExeName_; }
  // Screen twips per pixel divided by 15 (1.0 at 96 dpi): Left, Width and font sizes by scaleX,
  // Top and Height by scaleY.
  double scaleX() const { return scaleX_; }
  double scaleY() const { return scaleY_; }
  // Settings entry 0 to 40, trimmed; an entry outside the table is a failure.
  const std::string& settings(long entry) const { return settings_[entry]; }
  const std::string& moduleName() const { return moduleName_; }    // entry 1 of ver.txt
  const std::string& moduleTitle() const { return moduleTitle_; }  // entry 2 of ver.txt
  int16_t productNo() const { return productNo_; }                 // entry 4 of ver.txt
  const std::string& dataPath() const { return dataPath_; }        // data folder, ends in "\"
  const std::string& bankVersion() const { return bankVersion_; }  // "YYYYMMDDHHMM"
  const std::string& osVersion() const { return osVersion_; }      // "major.minor" or "Unknown"
  // Per unit (row 0 to 40): column 1 the title, 2 the question count, 3 the count not yet done,
  // 4 the "T"/"F" progress; a cell outside the table is a failure.
  const std::string& unitTable(long unit, long column) const { return unitTable_(unit, column); }
  int16_t unitCount() const { return unitCount_; }
  int16_t paperCount() const { return paperCount_; }

  void SetAppPath(std::string folder) { appPath_ = std::move(folder); }
  void SetAppExeName(std::string name) { appExeName_ = std::move(name); }
  void SetScale(double x, double y) { scaleX_ = x, scaleY_ = y; }
  void SetScaleX(double x) { scaleX_ = x; }
  void SetScaleY(double y) { scaleY_ = y; }
  void SetSetting(long entry, std::string value) { settings_[entry] = std::move(value); }
  void SetModuleName(std::string name) { moduleName_ = std::move(name); }
  void SetModuleTitle(std::string title) { moduleTitle_ = std::move(title); }
  void SetProductNo(int16_t number) { productNo_ = number; }
  void SetDataPath(std::string folder) { dataPath_ = std::move(folder); }
  void SetBankVersion(std::string version) { bankVersion_ = std::move(version); }
  void SetOsVersion(std::string version) { osVersion_ = std::move(version); }
  void SetUnitTable(long unit, long column, std::string value) { unitTable_(unit, column) = std::move(value); }
  void SetUnitCount(int16_t count) { unitCount_ = count; }
  void SetPaperCount(int16_t count) { paperCount_ = count; }

  // Everything back to its start value, the process-wide title included (it is derived from
  // the settings).
  void Reset();

 private:
  std::string appPath_;
  std::string appExeName_ = "xpexam";
  double scaleX_ = 0;
  double scaleY_ = 0;
  platform::BoundedArray<std::string, 0, 40> settings_;
  std::string moduleName_;
  std::string moduleTitle_;
  int16_t productNo_ = 0;
  std::string dataPath_;
  std::string bankVersion_;
  std::string osVersion_;
  platform::BoundedArray2<std::string, 0, 40, 1, 4> unitTable_;
  int16_t unitCount_ = 0;
  int16_t paperCount_ = 0;
};

const Installation& installation();
Installation& editInstallation();

// Caption of the dialog windows and the application title:
// settings(0) + settings(9) + "——" + moduleName + "模块".
std::string DialogCaption();

// Design twips to window twips.
inline double ScaleX(double design) { return design * installation().scaleX(); }
inline double ScaleY(double design) { return design * installation().scaleY(); }

}  // namespace xpexam::frame
