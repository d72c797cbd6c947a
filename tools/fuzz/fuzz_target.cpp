// One libFuzzer target per parser of installation and record data, chosen at build time by
// XPEXAM_FUZZ_TARGET. Each input becomes the file the parser reads, in a scratch installation.
// A Failure is the parsers' ordinary answer to bad data; a crash, a sanitizer report, a hang
// or a huge allocation is a fault.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "desktop/index_line.h"
#include "desktop/popup_menu_file.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "frame/update_list.h"
#include "home/bank_layout.h"
#include "platform/failure.h"
#include "platform/registry.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/record_files.h"

using namespace xpexam;

namespace {

std::string g_root;

[[maybe_unused]] void Put(const std::string& name, std::string_view bytes) {
  const std::string path = g_root + "/" + name;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  platform::WriteFileAtomic(path, bytes);
}

template <class F>
void Run(F&& statement) {
  platform::Try(std::forward<F>(statement));
}

void Fuzz(std::string_view input) {
  const std::string data = g_root + "/xpdata/";
#if XPEXAM_FUZZ_TARGET_step_records
  Put("xpdata/288820.mxy", input);
  Put("xpdata/288890.mxy", input);
  for (long n : {1L, 2L, 7L, 1000L}) {
    Run([&] {
      if (auto r = desktop::ReadStepRecord(data + "288820.mxy", n)) {
        const desktop::StepRecord record(*r);
        desktop::ClassifyStepCode(record.StepCode());
        record.StepCodeValue(), record.BackgroundId(), record.TargetX(), record.TargetWidth();
        record.TextBoxHeight(), record.KeyAlternativeKey(), record.RightAlternativeValue(), record.Label4Width();
      }
    });
    Run([&] {
      if (auto t = desktop::ReadStepText(data + "288890.mxy", n)) {
        desktop::PromptPart(*t);
        desktop::TypingAlternatives(*t);
        desktop::ListEntries(*t);
      }
    });
  }
#elif XPEXAM_FUZZ_TARGET_question_index
  Put("xpdata/288870.mxy", input);
  Run([&] {
    if (auto lines = platform::ReadTextLines(data + "288870.mxy")) {
      desktop::FillFirstLines(*lines, "fuzz");
      for (const auto& text : *lines) {
        const desktop::IndexLine line(text);
        line.Code(), line.RecordCount(), line.PictureId(), line.TextWithBreaks(), line.ShownText();
      }
    }
  });
#elif XPEXAM_FUZZ_TARGET_popup_menus
  Put("sMenu.sys", input);
  for (int code : {0, 1101, 2203, 3305, 9999})
    for (int menu : {0, 1, 3})
      Run([&] { desktop::LoadPopupMenu(g_root + "/sMenu.sys", code, menu); });
#elif XPEXAM_FUZZ_TARGET_settings
  Put("ver.txt", input);
  Run([&] { frame::DecodeSettingsLine(input); });
  Run([] { frame::ReadSettings(); });
#elif XPEXAM_FUZZ_TARGET_bank_layout
  Put("xpdata/288891.mxy", input);
  Put("ksdata/288893.mxy", input);
  Run([] { home::ReadBankLayout(); });
  Run([] { home::NormaliseUnitProgress(); });
#elif XPEXAM_FUZZ_TARGET_records
  for (const std::string& file : {session::BookmarkListFile(), session::BookmarkFlagFile(), session::PaperHistoryFile()})
    platform::WriteFileAtomic(platform::ResolvePath(file), input);
  Run([] {
    const std::string list = session::ReadRecordLine(session::BookmarkListFile());
    const std::string flags = session::ReadRecordLine(session::BookmarkFlagFile());
    session::KeyedCopy(list);
    session::AppendCodes(list, {"0101", "1220"});
    session::RemoveCodes(list, flags, {"0101", session::CodeAt(list, 1)});
    session::MarkFlagsWhole(flags, {true, false, true});
    session::MarkFlagsUnreviewed(flags, {true, false, true});
    session::ExtendFlags(flags, session::CodeCount(list));
  });
  Run([] { session::ReadRecordLines(session::UnitProgressFile(), 26); });
  Run([] { session::ReadPaperHistory(); });
  Run([] { session::AppendToList(session::BookmarkListFile(), session::BookmarkFlagFile(), {"0305"}); });
#elif XPEXAM_FUZZ_TARGET_update_list
  Put("ksdata/288895.mxy", input);
  Run([&] {
    if (auto lines = platform::ReadTextLines(g_root + "/ksdata/288895.mxy"))
      for (const frame::UpdateEntry& e : frame::ParseUpdateList(*lines, "xpdata")) frame::IsPlainRelativeName(e.name);
  });
#elif XPEXAM_FUZZ_TARGET_pictures
  Put("xpdata/l20001.mxy", input);
  Run([&] {
    // Loading reads the header only; a pixel read decodes the body, the next frame sets the
    // pixels aside again, and drawing decodes them once more.
    const forms::PicturePtr pic = forms::LoadPicture(data + "l20001.mxy");
    if (!pic) return;
    pic->PixelAt(pic->Width() / 2, pic->Height() / 2);
    forms::SetAsideUndrawnPictures();
    pic->Surface();
    pic->PixelAt(pic->Width() - 1, pic->Height() - 1);
  });
#else
#error "XPEXAM_FUZZ_TARGET_<name> names no target"
#endif
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string tmpl = (std::filesystem::temp_directory_path() / "xpexam-fuzz-XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) ::abort();
  g_root = tmpl;
  std::filesystem::create_directories(g_root + "/ksdata");
  std::filesystem::create_directories(g_root + "/xpdata");
  platform::SetRegistryFolder(g_root + "/registry");
  frame::editInstallation().SetAppPath(g_root);
  frame::editInstallation().SetDataPath(g_root + "/xpdata/");
  frame::editInstallation().SetUnitCount(12);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz(std::string_view(reinterpret_cast<const char*>(data), size));
  frame::editInstallation().SetAppPath(g_root);
  frame::editInstallation().SetDataPath(g_root + "/xpdata/");
  return 0;
}
