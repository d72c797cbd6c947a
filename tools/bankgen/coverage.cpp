#include "tools/bankgen/coverage.h"

#include <map>
#include <set>
#include <vector>

namespace xpexam::bankgen {
namespace {

struct Row {
  std::string key, meaning;
};

// The rows of the table, in order, with the test that puts a record in each.
std::vector<std::pair<Row, bool (*)(const Record&)>> Rows() {
  return {
      {{"0001", "单击目标框"}, [](const Record& r) { return r.code == "0001"; }},
      {{"0002", "双击目标框"}, [](const Record& r) { return r.code == "0002"; }},
      {{"0003", "右键按下目标框"}, [](const Record& r) { return r.code == "0003"; }},
      {{"9SBB", "带修饰键按下鼠标键"}, [](const Record& r) { return r.code[0] == '9' && r.code != "9999"; }},
      {{"0030", "指向目标框"}, [](const Record& r) { return r.code == "0030"; }},
      {{"6SKK", "松开按键(含组合键)"}, [](const Record& r) { return r.code[0] == '6'; }},
      {{"3MGI", "快捷菜单类型 1"}, [](const Record& r) { return r.code[0] == '3'; }},
      {{"4MGI", "快捷菜单类型 2"}, [](const Record& r) { return r.code[0] == '4'; }},
      {{"5MGI", "快捷菜单类型 3"}, [](const Record& r) { return r.code[0] == '5'; }},
      {{"0020", "输入(不区分大小写)"}, [](const Record& r) { return r.code == "0020"; }},
      {{"0021", "密码框输入"}, [](const Record& r) { return r.code == "0021"; }},
      {{"0022", "输入后按回车键"}, [](const Record& r) { return r.code == "0022"; }},
      {{"0023", "用鼠标选定文字"}, [](const Record& r) { return r.code == "0023"; }},
      {{"0024", "输入后按回车键(提示不同)"}, [](const Record& r) { return r.code == "0024"; }},
      {{"0025", "输入(区分大小写)"}, [](const Record& r) { return r.code == "0025"; }},
      {{"0026", "输入后单击目标框"}, [](const Record& r) { return r.code == "0026"; }},
      {{"0027", "多行文本框输入"}, [](const Record& r) { return r.code == "0027"; }},
      {{"0028", "单元格/编辑栏输入"}, [](const Record& r) { return r.code == "0028"; }},
      {{"004S", "框选"}, [](const Record& r) { return r.code.rfind("004", 0) == 0; }},
      {{"005S", "拖动"}, [](const Record& r) { return r.code.rfind("005", 0) == 0; }},
      {{"7000", "菜单栏"}, [](const Record& r) { return r.code == "7000"; }},
      {{"80xx", "拖动控制点(8001-8004, 8006-8009)"}, [](const Record& r) { return r.code.rfind("80", 0) == 0; }},
      {{"8888", "自动步骤"}, [](const Record& r) { return r.code == "8888"; }},
      {{"Lnnn", "列表"}, [](const Record& r) { return r.code[0] == 'L'; }},
      {{"K#NN", "位置列表"}, [](const Record& r) { return r.code[0] == 'K'; }},
      {{"2000", "仅演示(用 P 按键完成)"}, [](const Record& r) { return r.code == "2000"; }},
      {{"P", "按键替代(86 位为 P)"}, [](const Record& r) { return r.alternative.rfind("P", 0) == 0; }},
      {{"R", "右键替代(86 位为 R)"}, [](const Record& r) { return r.alternative.rfind("R", 0) == 0; }},
      {{"S/M 指针", "指向时的标准/自定义指针"}, [](const Record& r) { return r.code == "0030" && r.pointer[0] == 'M'; }},
      {{"固定位置菜单", "左键在固定位置打开快捷菜单"},
       [](const Record& r) { return (r.code[0] >= '3' && r.code[0] <= '5') && r.param.substr(5) != "00000"; }},
      {{"11111", "显示菜单栏但无目标"}, [](const Record& r) { return r.param == "1111100000"; }},
      {{"X A", "选项卡布局 A"}, [](const Record& r) { return r.param[5] == 'X' && r.param[6] == 'A'; }},
      {{"X B", "选项卡布局 B"}, [](const Record& r) { return r.param[5] == 'X' && r.param[6] == 'B'; }},
      {{"X C", "选项卡布局 C"}, [](const Record& r) { return r.param[5] == 'X' && r.param[6] == 'C'; }},
      {{"X D", "选项卡布局 D"}, [](const Record& r) { return r.param[5] == 'X' && r.param[6] == 'D'; }},
      {{"Q", "返回区域"}, [](const Record& r) { return r.param[0] == 'Q'; }},
      {{"Label4", "第二按下区域(无 EE)"}, [](const Record& r) { return r.has_label4 && !r.ee; }},
      {{"格式", "文本框格式(字号、对齐、字形、字体、颜色)"},
       [](const Record& r) { return r.has_textbox && r.code[0] == '0' && r.param != "0000000000"; }},
      {{"提示", "工具提示"}, [](const Record& r) { return r.tooltip_line > 0; }},
  };
}

}  // namespace

std::string CoverageTable(Bank& bank) {
  auto rows = Rows();
  std::vector<std::vector<std::string>> hits(rows.size());
  std::vector<std::string> pictures, bars;
  for (size_t u = 0; u < bank.units().size(); ++u)
    for (size_t q = 0; q < bank.units()[u].questions.size(); ++q) {
      const Question& question = *bank.units()[u].questions[q];
      auto two = [](size_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
      std::string code = two(u) + two(q + 1);
      if (question.text().rfind("picture", 0) == 0) pictures.push_back(code);
      else if (question.text().find('|') != std::string::npos) bars.push_back(code);
      for (size_t i = 0; i < rows.size(); ++i)
        for (const auto& r : question.records())
          if (rows[i].second(r)) {
            hits[i].push_back(code);
            break;
          }
    }
  auto list = [](const std::vector<std::string>& codes) {
    std::string s;
    for (size_t i = 0; i < codes.size() && i < 6; ++i) s += (i ? ", " : "") + codes[i];
    if (codes.size() > 6) s += " … (" + std::to_string(codes.size()) + ")";
    return s;
  };
  std::string out = "| 代码或组合 | 含义 | 题目(UUQQ) |\n|---|---|---|\n";
  for (size_t i = 0; i < rows.size(); ++i)
    out += "| " + rows[i].first.key + " | " + rows[i].first.meaning + " | " + list(hits[i]) + " |\n";
  out += "| picture | 图片题 | " + list(pictures) + " |\n";
  out += "| \\| | 题目文字换行 | " + list(bars) + " |\n";
  return out;
}

}  // namespace xpexam::bankgen
