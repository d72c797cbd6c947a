#pragma once
// The dialogs of the questions, each a Form whose controls questions reach by name.
#include <string>
#include <vector>

#include "tools/bankgen/form.h"

namespace xpexam::bankgen::dialogs {

Form FileProperties(const std::string& name, Icon icon, const std::string& type, const std::string& location,
                    const std::string& size);
Form ConfirmDelete(const std::string& name, bool to_recycle = true);
Form Run(const std::string& text = "");
Form ShutDown();
Form LogOff();

// Display properties: tabs 主题 桌面 屏幕保护程序 外观 设置 (0-4).
Form DisplayProperties(int tab);
// Mouse properties: tabs 鼠标键 指针 指针选项 轮 硬件 (0-4).
Form MouseProperties(int tab);
// Sounds and audio devices (tab layout D): 音量 声音 音频 语声 硬件.
Form SoundProperties(int tab);
Form VolumeControl();
Form DateTime();
// Regional and language options (tab layout C): 区域选项 语言 高级.
Form Regional(int tab);
// System properties (tab layout A): 常规 计算机名 硬件 高级 系统还原 自动更新 远程.
Form SystemProperties(int tab);
// Folder options (tab layout B): 常规 查看 文件类型 脱机文件.
Form FolderOptions(int tab);
// Taskbar and Start menu properties: 任务栏 「开始」菜单.
Form TaskbarProperties(int tab);
Form RecycleBinProperties();
Form FontDialog(int font, int style, int size);
extern const std::vector<std::string> kFontNames, kFontStyles, kFontSizes;
// Save As and Open dialogs of Notepad; the location box is named "where".
Form SaveAs(const std::string& folder, Icon folder_icon, const std::string& file_name,
            const std::vector<std::pair<Icon, std::string>>& files);
Form Find(const std::string& text = "");
Form InternetOptions(const std::string& home);
Form CreatePassword();
Form ImageAttributes(const std::string& width, const std::string& height);
Form NewConnection();

// Copy progress with its animation strip.
Form Progress(const std::string& title, const std::string& file, const std::string& from, const std::string& to,
              int percent);
// A plain dialog: icon, wrapped text, a text box when `field` is given, OK and Cancel.
Form Simple(const std::string& title, Icon icon, int w, int h, const std::string& text, const std::string& field_label = "",
            const std::string& field = "");
// A message with Yes and No.
Form Question(const std::string& title, Icon icon, const std::string& text);

// The fixed tab geometry of the four built-in layouts, in pixels relative to the page window.
struct TabLayout {
  char letter;
  int row_top;
  std::vector<int> lefts;  // tab left edges and the end edge
  Box cancel;
};
const TabLayout& Layout(char letter);

}  // namespace xpexam::bankgen::dialogs
