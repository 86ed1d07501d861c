// The real Cabrillo header dialog from the library's resources, driven from a helper thread
// while an export-mode reset waits for it on the test's thread.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32.h"
#include "tests/support/host_api.h"
#include "tests/support/window_closer.h"
#include "tests/support/work_dir.h"

namespace stats_test {
namespace {

// What the helper saw in the dialog before it changed anything.
struct DialogView {
  bool found = false;
  std::string caption;
  LONG style = 0;
  std::map<int, std::string> texts;
  std::map<int, std::vector<std::string>> lists;
  std::map<int, int> selections;
  std::map<int, LONG> styles;
  std::map<int, RECT> rects;   // in pixels of the client area
  RECT baseUnits{0, 0, 4, 8};  // pixels per 4 horizontal and 8 vertical dialog units
  int focusId = 0;
};

const int kBoundIds[] = {1010, 1008, 1005, 1013, 1009, 1004, 1007, 1006, 1001,
                         1002, 1118, 1121, 1122, 1003, 1011, 1012, 1123};
const int kComboIds[] = {1013, 1118, 1122, 1123};

std::string WindowText(HWND window) {
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

BOOL CALLBACK FindHeaderDialog(HWND window, LPARAM param) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "#32770" && IsWindowVisible(window) &&
      WindowText(window) == "KELM") {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

// The control's rectangle in pixels of the dialog's client area.
RECT ClientRect(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

DialogView Look(HWND dialog, DWORD threadId) {
  DialogView view;
  view.found = true;
  view.caption = WindowText(dialog);
  view.style = GetWindowLongA(dialog, GWL_STYLE);
  for (int id : kBoundIds) {
    const HWND control = GetDlgItem(dialog, id);
    view.texts[id] = WindowText(control);
    view.styles[id] = GetWindowLongA(control, GWL_STYLE);
    view.rects[id] = ClientRect(dialog, control);
  }
  for (int id : {IDOK, IDCANCEL}) view.rects[id] = ClientRect(dialog, GetDlgItem(dialog, id));
  MapDialogRect(dialog, &view.baseUnits);
  for (int id : kComboIds) {
    const HWND combo = GetDlgItem(dialog, id);
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      char entry[64] = {};
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
      view.lists[id].push_back(entry);
    }
    view.selections[id] = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(threadId, &info) && info.hwndFocus) {
    view.focusId = GetDlgCtrlID(info.hwndFocus);
  }
  return view;
}

// For cabrillo_dialog_screenshot.sh: names the dialog's screen rectangle and keeps the dialog
// open for the given time, so that a picture can be taken from outside.
void HoldForScreenshot(HWND dialog) {
  const char* hold = std::getenv("CABRILLO_DIALOG_HOLD_MS");
  if (!hold) return;
  RECT r;
  GetWindowRect(dialog, &r);
  std::printf("dialog at %ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(std::atoi(hold)));
}

// On a helper thread: waits for the header dialog of the given thread, records what it shows,
// then lets `drive` change it and close it.
class DialogDriver {
 public:
  DialogDriver(DWORD threadId, std::function<void(HWND)> drive)
      : m_thread([this, threadId, drive] {
          for (int waited = 0; waited < 20000; waited += 50) {
            HWND dialog = nullptr;
            EnumThreadWindows(threadId, FindHeaderDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog) {
              Sleep(200);  // let it paint
              m_view = Look(dialog, threadId);
              drive(dialog);
              return;
            }
            Sleep(50);
          }
        }) {}
  ~DialogDriver() { Join(); }
  void Join() {
    if (m_thread.joinable()) m_thread.join();
  }
  const DialogView& view() const { return m_view; }

 private:
  DialogView m_view;
  std::thread m_thread;
};

void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

const char kSettings[] =
    "[Settings]\r\n"
    "Name=Ivan Petrov\r\n"
    "Address=Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia\r\n"
    "Claimed=120\r\n"
    "Power=QRP\r\n"
    "Loc=MO\r\n";

class CabrilloDialogWin32 : public testing::Test {
 protected:
  CabrilloDialogWin32() {
    std::filesystem::create_directory("Plugins");
    WriteFileBytes("Plugins\\KELM.ini", kSettings);
    m_reset.exportFlag = 1;
    m_reset.ownCall = "UA1AAA/P";
  }

  // The summary that writes the log; its message box is closed with OK.
  std::string Summary() {
    DialogCloser closer(GetCurrentThreadId());
    int out = 0;
    m_host.Result(&out);
    closer.Join();
    EXPECT_TRUE(closer.found());
    EXPECT_EQ(closer.caption(), "Output");
    EXPECT_EQ(out, -1);
    return closer.text();
  }

  ScopedWorkDir m_dir;
  Host m_host;
  HostReset m_reset;
};

TEST_F(CabrilloDialogWin32, OpensAsTheTemplateDescribesWithTheLoadedValues) {
  DialogDriver driver(GetCurrentThreadId(), [](HWND dialog) {
    HoldForScreenshot(dialog);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(m_host.Reset(m_reset), 1);
  driver.Join();
  const DialogView& view = driver.view();
  ASSERT_TRUE(view.found);

  EXPECT_EQ(view.caption, "KELM");
  const LONG frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME;
  EXPECT_EQ(view.style & frame, frame);
  const std::map<int, std::string> texts = {
      {1010, "UA1AAA/P"},
      {1008, "120"},
      {1005, ""},
      {1013, "SO-YN-AB-MIX-LP"},
      {1009, "KELM 2017"},
      {1004, ""},
      {1007, "Ivan Petrov"},
      {1006, "UA1AAA/P"},
      {1001, ""},
      {1002, "Ul. Lenina 1\r\nMoscow\r\nRussia"},
      {1118, "ALL"},
      {1121, "MO"},
      {1122, "ONE"},
      {1003, ""},
      {1011, ""},
      {1012, ""},
      {1123, "LOW"},
  };
  EXPECT_EQ(view.texts, texts);
  const std::map<int, std::vector<std::string>> lists = {
      {1013, {"SO-YN-AB-MIX-LP", "MO-YN-AB-MIX-LP", "SO-AB-MIX-LP", "MO-AB-MIX-LP", "CHECKLOG"}},
      {1118, {"ALL"}},
      {1122, {"ONE", "TWO", "UNLIMITED"}},
      {1123, {"HIGH", "LOW", "QRP"}},
  };
  EXPECT_EQ(view.lists, lists);
  EXPECT_EQ(view.selections, (std::map<int, int>{{1013, 0}, {1118, 0}, {1122, 0}, {1123, 1}}));
  EXPECT_EQ(view.focusId, 1001);

  // Template positions (x, y, width, height) as the dialog manager turns them into pixels;
  // combo boxes without their height, which is that of the dropped list.
  const std::map<int, std::vector<int>> places = {
      {1001, {55, 200, 191, 31}}, {1002, {55, 111, 191, 54}}, {IDCANCEL, {145, 255, 46, 21}},
      {IDOK, {80, 255, 51, 21}},  {1004, {55, 232, 191, 12}}, {1005, {55, 185, 191, 12}},
      {1006, {55, 170, 191, 12}}, {1007, {55, 97, 191, 12}},  {1008, {184, 23, 61, 12}},
      {1009, {55, 9, 190, 12}},   {1010, {55, 23, 88, 12}},   {1121, {209, 55, 36, 13}},
      {1013, {96, 38, 150}},      {1118, {95, 53, 70}},       {1122, {105, 82, 59}},
      {1123, {105, 67, 59}},
  };
  const int cx = view.baseUnits.right;
  const int cy = view.baseUnits.bottom;
  for (const auto& [id, place] : places) {
    const RECT& r = view.rects.at(id);
    std::vector<int> seen = {static_cast<int>(r.left), static_cast<int>(r.top),
                             static_cast<int>(r.right - r.left),
                             static_cast<int>(r.bottom - r.top)};
    std::vector<int> expected = {MulDiv(place[0], cx, 4), MulDiv(place[1], cy, 8),
                                 MulDiv(place[2], cx, 4)};
    if (place.size() == 4) expected.push_back(MulDiv(place[3], cy, 8));
    seen.resize(expected.size());
    EXPECT_EQ(seen, expected) << id;
  }

  const LONG multiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
  EXPECT_EQ(view.styles.at(1001) & (multiLine | WS_TABSTOP), multiLine | WS_TABSTOP);
  EXPECT_EQ(view.styles.at(1002) & (multiLine | WS_TABSTOP), multiLine);
  for (int id : kComboIds) {
    EXPECT_EQ(view.styles.at(id) & (CBS_DROPDOWN | CBS_DROPDOWNLIST | WS_TABSTOP),
              CBS_DROPDOWN | WS_TABSTOP)
        << id;
    EXPECT_EQ((view.styles.at(id) & CBS_SORT) != 0, id == 1122 || id == 1123) << id;
  }
  for (int id : {1003, 1011, 1012}) {
    EXPECT_EQ(view.styles.at(id) & (WS_VISIBLE | WS_DISABLED), WS_DISABLED) << id;
  }
}

TEST_F(CabrilloDialogWin32, OkSavesTheEditsAndTheLogCarriesThem) {
  DialogDriver driver(GetCurrentThreadId(), [](HWND dialog) {
    SetDlgItemTextA(dialog, 1010, "UA1AAA/M");
    SetDlgItemTextA(dialog, 1008, "99999");
    SetDlgItemTextA(dialog, 1002, "Line 1\r\nLine 2\r\nLine 3");
    SetDlgItemTextA(dialog, 1001, "Hi\r\n73");
    SetDlgItemTextA(dialog, 1004, "ua1aaa@example.org");
    SetDlgItemTextA(dialog, 1118, "80M");  // typed into the field, not in the list
    SendDlgItemMessageA(dialog, 1123, CB_SETCURSEL, 2, 0);
    SendDlgItemMessageA(dialog, 1013, CB_SETCURSEL, 4, 0);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(m_host.Reset(m_reset), 1);
  driver.Join();
  ASSERT_TRUE(driver.view().found);

  EXPECT_EQ(ReadFileBytes("Plugins\\KELM.ini"),
            "[Settings]\r\n"
            "Name=Ivan Petrov\r\n"
            "Address=Line 1<CR><LF>Line 2<CR><LF>Line 3\r\n"
            "Claimed=120\r\n"
            "Power=QRP\r\n"
            "Loc=MO\r\n"
            "Master=0\r\n"
            "Band=80M\r\n"
            "Operators=UA1AAA/P\r\n"
            "Category=CHECKLOG\r\n"
            "Contest=KELM 2017\r\n"
            "Email=ua1aaa@example.org\r\n"
            "Club=\r\n"
            "SoapBox=Hi<CR><LF>73\r\n"
            "Start=0\r\n");

  EXPECT_EQ(Summary(), "File produced: UA1AAA_P.cbr");
  EXPECT_EQ(ReadFileBytes("UA1AAA_P.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: KELM-CONTEST \r\n"
            "CALLSIGN: UA1AAA/M\r\n"
            "CATEGORY-OPERATOR: CHECKLOG\r\n"
            "CATEGORY-BAND: 80M\r\n"
            "CATEGORY-MODE: MIX\r\n"
            "CATEGORY-POWER: QRP\r\n"
            "CATEGORY-STATION: FIXED\r\n"
            "CATEGORY-TRANSMITTER: ONE\r\n"
            "CLAIMED-SCORE: 0\r\n"
            "LOCATION: MO\r\n"
            "CREATED-BY: Qarn Qarn\r\n"
            "E-MAIL: ua1aaa@example.org\r\n"
            "NAME: Ivan Petrov\r\n"
            "ADDRESS: Line 1\r\n"
            "ADDRESS: Line 2\r\n"
            "ADDRESS: Line 3\r\n"
            "SOAPBOX: Hi\r\n"
            "SOAPBOX: 73\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloDialogWin32, CancelSavesNothingAndTheLogKeepsTheLoadedValues) {
  DialogDriver driver(GetCurrentThreadId(), [](HWND dialog) {
    SetDlgItemTextA(dialog, 1007, "typed, then cancelled");
    SendDlgItemMessageA(dialog, 1123, CB_SETCURSEL, 0, 0);
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(m_host.Reset(m_reset), 1);
  driver.Join();
  ASSERT_TRUE(driver.view().found);
  EXPECT_EQ(ReadFileBytes("Plugins\\KELM.ini"), std::string(kSettings) + "Master=0\r\nStart=0\r\n");

  EXPECT_EQ(Summary(), "File produced: UA1AAA_P.cbr");
  const std::string log = ReadFileBytes("UA1AAA_P.cbr");
  EXPECT_NE(log.find("NAME: Ivan Petrov\r\nADDRESS: Ul. Lenina 1\r\nADDRESS: Moscow\r\n"
                     "ADDRESS: Russia\r\nSOAPBOX: \r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("CATEGORY-POWER: LOW\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace stats_test
