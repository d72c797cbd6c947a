// The drawn context menu of a right-click step (RightKeyMenu, ClearContextMenus), its submenu (DrawContextSubmenu)
// and the pointer's travel to the item (TimerRM) and the sub-item (TimerRS). The menus are read
// from the desktop's popup menu file with the desktop's block arithmetic.
#include <string>
#include <vector>

#include "demo/aiming.h"
#include "demo/demonstration.h"
#include "desktop/demonstration_state.h"
#include "desktop/popup_menu_file.h"
#include "desktop/step_record.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using desktop::StepRecord;
using platform::CInt;
using platform::Try;

namespace {

// Block lines of the popup menu of the step code; empty lines when the file cannot be read.
desktop::PopupBlock ReadBlock(int16_t step_code, int menu) {
  const int type = step_code / 1000 == 3 ? 1 : 2;
  auto block = desktop::ReadPopupBlock(frame::installation().appPath() + "\\" + desktop::kPopupMenuFileName, type, menu);
  return block ? *block : desktop::PopupBlock{};
}

// Pieces of a line split at "|", at most ten; a line without "|" is one piece.
std::vector<std::string> Pieces(const std::string& line) {
  std::vector<std::string> out;
  size_t from = 0;
  while (out.size() < 10) {
    const size_t bar = line.find('|', from);
    if (bar == std::string::npos) {
      out.push_back(line.substr(from));
      break;
    }
    out.push_back(line.substr(from, bar - from));
    from = bar + 1;
  }
  return out;
}

int GroupDigit(const std::string& code) {
  return code.size() >= 3 && code[2] >= '0' && code[2] <= '9' ? code[2] - '0' : 0;
}

}  // namespace

void FrmYanShi::ClearContextMenus() {
  if (!desktop::demonstration().running()) return;
  for (int i = 0; i <= 9; ++i) {
    for (auto* group : {&LRM2, &LRM4, &LRM6, &LRM9}) {
      (*group)[i].SetVisible(false);
      (*group)[i].SetCaption("");
    }
    LRFGX[i].SetVisible(false);
    LRS[i].SetVisible(false);
    LRS[i].SetCaption("");
  }
  for (int g : LRMJL.Indexes()) {
    LRMJL[g].SetVisible(false);
    LRMJL[g].SetCaption("");
    ImgJLSanjiao[g].SetVisible(false);
  }
  for (int i = 0; i <= 5; ++i) LRSFgx[i].SetVisible(false);
  LRightMMenu.SetVisible(false);
  ShapeRMain.SetVisible(false);
  LRightSub.SetVisible(false);
  ShapeRSUB.SetVisible(false);
}

void FrmYanShi::RightKeyMenu() {
  if (!desktop::demonstration().running()) return;
  const StepRecord rec = step_;
  LRightMMenu.SetVisible(true);
  ShapeRMain.SetVisible(true);
  const bool at_pointer = rec.PopupAtPointer();
  if (at_pointer)
    LRightMMenu.Move(mPointerX, mPointerY);
  else
    LRightMMenu.Move(rec.PopupXValue() * frame::installation().scaleX(), rec.PopupYValue() * frame::installation().scaleY());
  ShapeRMain.Move(LRightMMenu.Left(), LRightMMenu.Top());
  const double left = LRightMMenu.Left(), top = LRightMMenu.Top();
  int16_t row_top = 0;
  Try([&] { row_top = CInt(top + 90); });
  int16_t widest = 0;
  int separators = 0;
  mPopupMenuNo = static_cast<int16_t>(mStepCode / 100 % 10);
  const desktop::PopupBlock block = ReadBlock(mStepCode, mPopupMenuNo);
  struct Group {
    int digit;
    size_t line;  // 1-based block line
    forms::ControlArray<forms::Label>* plain;
  };
  const Group groups[] = {{1, 2, nullptr}, {2, 4, &LRM2}, {3, 5, nullptr}, {4, 7, &LRM4}, {5, 8, nullptr},
                          {6, 10, &LRM6},  {7, 11, nullptr}, {8, 13, nullptr}, {9, 15, &LRM9}};
  for (const Group& g : groups) {
    const std::string& line = block[g.line - 1];
    if (line == "0") continue;
    if (!g.plain) {
      LRMJL[g.digit].SetCaption(line);
      LRMJL[g.digit].Move(left + 300, row_top);
      LRMJL[g.digit].SetVisible(true);
      ImgJLSanjiao[g.digit].SetTop(row_top + 30);
      ImgJLSanjiao[g.digit].SetVisible(true);
      row_top = static_cast<int16_t>(row_top + 270);
      continue;
    }
    const std::vector<std::string> items = Pieces(line);
    for (size_t k = 0; k < items.size(); ++k) {
      if (items[k] == "-") {
        Try([&] {
          forms::Line& sep = LRFGX[separators];
          sep.SetEnds(left + 60, row_top, sep.X2(), row_top);
          sep.SetVisible(true);
        });
        row_top = static_cast<int16_t>(row_top + 135);
        ++separators;
        continue;
      }
      Try([&] {
        forms::Label& label = (*g.plain)[static_cast<int>(k)];
        label.SetCaption(items[k]);
        label.Move(left + 300, row_top);
        label.SetVisible(true);
        if (label.Width() > widest) widest = CInt(label.Width());
      });
      row_top = static_cast<int16_t>(row_top + 270);
    }
  }
  const double width = widest + 690, height = row_top - top;
  Try([&] { LRightMMenu.Move(left, top, width, height); });
  Try([&] { ShapeRMain.Move(left, top, width, height); });
  for (int g : ImgJLSanjiao.Indexes()) ImgJLSanjiao[g].SetLeft(left + width - 180);
  for (int i = 0; i <= 9; ++i) LRFGX[i].SetX2(LRFGX[i].X1() + width - 120);

  if (at_pointer) {
    auto shift_all = [&](double dx, double dy) {
      for (forms::Control* c : std::initializer_list<forms::Control*>{&LRightMMenu, &ShapeRMain})
        c->Move(c->Left() + dx, c->Top() + dy);
      for (auto* group : {&LRM2, &LRM4, &LRM6, &LRM9})
        for (int i = 0; i <= 9; ++i) (*group)[i].Move((*group)[i].Left() + dx, (*group)[i].Top() + dy);
      for (int i = 0; i <= 9; ++i) {
        forms::Line& l = LRFGX[i];
        l.SetEnds(l.X1() + dx, l.Y1() + dy, l.X2() + dx, l.Y2() + dy);
      }
      for (int g : LRMJL.Indexes()) {
        LRMJL[g].Move(LRMJL[g].Left() + dx, LRMJL[g].Top() + dy);
        ImgJLSanjiao[g].Move(ImgJLSanjiao[g].Left() + dx, ImgJLSanjiao[g].Top() + dy);
      }
    };
    if (LRightMMenu.Left() + width >= kDesignWidth * frame::installation().scaleX() - width) shift_all(-width, 0);
    if (LRightMMenu.Top() + height >= kDesignHeight * frame::installation().scaleY() - 300) shift_all(0, -height);
  }

  const std::string code = rec.StepCode();
  const int g = GroupDigit(code);
  Try([&] {
    const forms::Label* target = nullptr;
    const int item = code.size() >= 4 ? code[3] - '0' : -1;
    switch (g) {
      case 2: target = &LRM2[item]; break;
      case 4: target = &LRM4[item]; break;
      case 6: target = &LRM6[item]; break;
      case 9: target = &LRM9[item]; break;
      case 1: case 3: case 5: case 7: case 8: target = &LRMJL[g]; break;
      default: break;
    }
    if (!target) return;
    const int32_t x = CentreOf(target->Left(), target->Width()), y = CentreOf(target->Top(), target->Height());
    mTargetX = x;
    mTargetY = y;
  });
  Shape1.Move(LRightMMenu.Left(), mTargetY - 135, LRightMMenu.Width(), 270);
  Try([&] { ReAim(); });
  TimerRM.SetEnabled(true);
}

void FrmYanShi::DrawContextSubmenu() {
  if (!desktop::demonstration().running()) return;
  const std::string code = step_.StepCode();
  const int g = GroupDigit(code);
  mPopupMenuNo = static_cast<int16_t>(mStepCode / 100 % 10);
  LRightSub.SetVisible(true);
  ShapeRSUB.SetVisible(true);
  LRightSub.SetLeft(LRightMMenu.Left() + LRightMMenu.Width() - 60);
  Try([&] { LRightSub.SetTop(LRMJL[g].Top()); });
  ShapeRSUB.Move(LRightSub.Left(), LRightSub.Top());
  const desktop::PopupBlock block = ReadBlock(mStepCode, mPopupMenuNo);
  int16_t y = 0;
  Try([&] { y = CInt(LRightSub.Top() + 135); });
  std::string line;
  switch (g) {
    case 1: line = block[2]; break;
    case 3: line = block[5]; break;
    case 5: line = block[8]; break;
    case 7: line = block[11]; break;
    case 8: line = block[13]; break;
    default: break;
  }
  int16_t widest = 0;
  int separators = 0;
  const double sub_left = LRightSub.Left();
  const std::vector<std::string> pieces = Pieces(line);
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k] == "-") {
      Try([&] {
        forms::Line& sep = LRSFgx[separators];
        sep.SetEnds(sub_left + 60, y, sep.X2(), y);
        sep.SetVisible(true);
      });
      ++separators;
      y = static_cast<int16_t>(y + 135);
      continue;
    }
    Try([&] {
      forms::Label& label = LRS[static_cast<int>(k)];
      label.SetVisible(true);
      label.SetCaption(pieces[k]);
      label.Move(sub_left + 300, y);
      if (label.Width() > widest) widest = CInt(label.Width());
    });
    y = static_cast<int16_t>(y + 270);
  }
  Try([&] {
    LRightSub.Move(sub_left, LRightSub.Top(), widest + 690, y - LRightSub.Top());
    ShapeRSUB.Move(LRightSub.Left(), LRightSub.Top(), LRightSub.Width(), LRightSub.Height());
  });
  for (int i = 0; i <= 5; ++i) LRSFgx[i].SetX2(LRSFgx[i].X1() + LRightSub.Width() - 120);
  Try([&] {
    const forms::Label& target = LRS[code.at(3) - '0'];
    const int32_t x = CentreOf(target.Left(), target.Width()), ty = CentreOf(target.Top(), target.Height());
    mTargetX = x;
    mTargetY = ty;
    Shape1.Move(LRightSub.Left(), target.Top() - 60, LRightSub.Width(), 285);
  });
  Try([&] { ReAim(); });
  TimerRS.SetEnabled(true);
}

void FrmYanShi::TimerRM_Timer() {
  if (!desktop::demonstration().running()) return;
  TravelTick();
  if (!PointerArrived()) return;
  const int g = GroupDigit(step_.StepCode());
  if (g == 2 || g == 4 || g == 6 || g == 9) {
    FlashAtPointer();
    TimerRM.SetEnabled(false);
    AdvanceStep();
  } else {
    TimerRM.SetEnabled(false);
    DrawContextSubmenu();
  }
}

void FrmYanShi::TimerRS_Timer() {
  if (!desktop::demonstration().running()) return;
  TravelTick();
  if (!PointerArrived()) return;
  FlashAtPointer();
  TimerRS.SetEnabled(false);
  AdvanceStep();
}

}  // namespace xpexam::demo
