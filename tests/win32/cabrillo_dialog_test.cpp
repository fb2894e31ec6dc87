// The Cabrillo header dialog and the "Output" message box as an operator meets them: a
// second thread finds each window by its caption, reads and types into the controls and
// closes it, while the host's calls wait on the test's main thread.
#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "engine/engine_state.h"
#include "platform/settings.h"
#include "reports/cabrillo_export.h"
#include "resources/resource.h"
#include "test_support.h"
#include "window_operator.h"

namespace {

const std::map<int, std::string> kControlNames = {
    {IDC_CAB_CONTEST, "CONTEST"},     {IDC_CAB_CALLSIGN, "CALLSIGN"}, {IDC_CAB_CLAIMED, "CLAIMED"},
    {IDC_CAB_CATEGORY, "CATEGORY"},   {IDC_CAB_NAME, "NAME"},         {IDC_CAB_ADDRESS, "ADDRESS"},
    {IDC_CAB_OPERATORS, "OPERATORS"}, {IDC_CAB_CLUB, "CLUB"},         {IDC_CAB_SOAPBOX, "SOAPBOX"},
    {IDC_CAB_EMAIL, "E-MAIL"}};

std::map<std::string, std::string> ReadControls(HWND dialog) {
    std::map<std::string, std::string> texts;
    for (const auto& [id, name] : kControlNames) {
        texts[name] = ControlText(dialog, id);
    }
    return texts;
}

// A contact with a plain serial number sent and received.
void AppendSerialRecord(const std::string& call, int minute) {
    CInfo record = MakeRecord(call, "BPSK31", minute);
    record.m_exchSent = "001";
    record.m_exchRcvd = "005";
    AppendRecord(record);
}

// GetResult0 in a Cabrillo run, with the "Output" box read and dismissed by the operator.
std::string SummaryMessage(int* score) {
    std::string message;
    Operator output("Output", [&message](HWND box) {
        message = ControlText(box, kMessageBoxTextId);
        Press(box, IDOK);
    });
    GetResult0(score);
    EXPECT_TRUE(output.Join()) << "no \"Output\" message box";
    return message;
}

std::string SettingsBytes() {
    return ReadFileBytes(std::filesystem::path("Plugins") / "Sarnet.ini");
}

class CabrilloDialogTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        g_cabrilloExport = CabrilloExport();
        m_start.cabrillo = 1;
    }

    TestStart m_start;
};

TEST_F(CabrilloDialogTest, OkStoresWhatWasTypedAndTheLogCarriesIt) {
    WriteSetting("Name", "Ion");
    WriteSetting("Claimed", "160");
    WriteSetting("Category", "MULTI-OP ALL");
    std::map<std::string, std::string> shown;
    std::string listEntry;
    LRESULT listCount = 0;
    Operator dialog("Sarnet Contest", [&](HWND window) {
        shown = ReadControls(window);
        const HWND combo = GetDlgItem(window, IDC_CAB_CATEGORY);
        listCount = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        char entry[64] = {};
        SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
        listEntry = entry;
        TypeInto(window, IDC_CAB_CALLSIGN, "YO9ABC");
        TypeInto(window, IDC_CAB_ADDRESS, "Str. Lunga 1\r\nBrasov");
        TypeInto(window, IDC_CAB_CLUB, "Radioclub Brasov");
        TypeInto(window, IDC_CAB_CATEGORY, "SINGLE-OP 80M QRP");
        TypeInto(window, IDC_CAB_EMAIL, "yo9xyz@example.ro");
        Press(window, IDOK);
    });
    ASSERT_EQ(CallResetStats(m_start), 1);
    ASSERT_TRUE(dialog.Join()) << "no \"Sarnet Contest\" dialog";

    const std::map<std::string, std::string> expected = {{"CONTEST", " Sarnet Contest"},
                                                         {"CALLSIGN", "YO9XYZ"},
                                                         {"CLAIMED", "160"},
                                                         {"CATEGORY", "SINGLE-OP 80M"},
                                                         {"NAME", "Ion"},
                                                         {"ADDRESS", ""},
                                                         {"OPERATORS", "YO9XYZ"},
                                                         {"CLUB", ""},
                                                         {"SOAPBOX", ""},
                                                         {"E-MAIL", ""}};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(listCount, 1);
    EXPECT_EQ(listEntry, "SINGLE-OP 80V");

    EXPECT_EQ(ReadSetting("Operators"), "YO9XYZ");
    EXPECT_EQ(ReadSetting("Name"), "Ion");
    EXPECT_EQ(ReadSetting("Address"), "Str. Lunga 1<CR><LF>Brasov");
    EXPECT_EQ(ReadSetting("Category"), "SINGLE-OP 80M QRP");
    EXPECT_EQ(ReadSetting("Club"), "Radioclub Brasov");
    EXPECT_EQ(ReadSetting("Email"), "yo9xyz@example.ro");
    EXPECT_EQ(ReadSetting("Start"), "0");

    AppendSerialRecord("DL1ABC", 30);
    int score = 0;
    EXPECT_EQ(SummaryMessage(&score), "File produced: YO9XYZ.cbr");
    EXPECT_EQ(score, -1);
    const std::string file = ReadFileBytes("YO9XYZ.cbr");
    EXPECT_NE(file.find("CALLSIGN: YO9ABC\r\nCATEGORY: SINGLE-OP 80M QRP\r\n"), std::string::npos);
    EXPECT_NE(file.find("NAME: Ion\r\nADDRESS: Str. Lunga 1\r\nADDRESS: Brasov\r\n"
                        "OPERATORS: YO9XYZ\r\nEMAIL: yo9xyz@example.ro\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("QSO:  3580 RY 2018-03-04 1530 YO9ABC        599 001    DL1ABC        "
                        "599 005\r\nEND-OF-LOG:\r\n"),
              std::string::npos);
}

TEST_F(CabrilloDialogTest, CancelAndCloseBoxSaveNothingButTheStoredHeaderIsWritten) {
    WriteSetting("Name", "Ion");
    WriteSetting("Address", "Str. Lunga 1<CR><LF>Brasov");
    const std::string before = SettingsBytes();
    for (const bool closeBox : {false, true}) {
        Operator dialog("Sarnet Contest", [closeBox](HWND window) {
            TypeInto(window, IDC_CAB_NAME, "Somebody Else");
            TypeInto(window, IDC_CAB_CALLSIGN, "YO9ABC");
            if (closeBox) {
                PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                Press(window, IDCANCEL);
            }
        });
        ASSERT_EQ(CallResetStats(m_start), 1);
        ASSERT_TRUE(dialog.Join()) << "no \"Sarnet Contest\" dialog";
        // The contest start itself keeps its "Start" key; nothing of the header is saved.
        EXPECT_EQ(ReadSetting("Name"), "Ion");
        EXPECT_EQ(ReadSetting("Category"), "");
        EXPECT_EQ(ReadSetting("Operators"), "");
    }
    EXPECT_NE(SettingsBytes().find("Address=Str. Lunga 1<CR><LF>Brasov"), std::string::npos);
    EXPECT_EQ(before.find("Start"), std::string::npos);

    AppendSerialRecord("DL1ABC", 30);
    int score = 0;
    EXPECT_EQ(SummaryMessage(&score), "File produced: YO9XYZ.cbr");
    const std::string file = ReadFileBytes("YO9XYZ.cbr");
    EXPECT_NE(file.find("CALLSIGN: YO9XYZ\r\n"), std::string::npos);
    EXPECT_NE(file.find("NAME: Ion\r\nADDRESS: Str. Lunga 1\r\nADDRESS: Brasov\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("YO9XYZ        599 001    DL1ABC"), std::string::npos);
}

TEST_F(CabrilloDialogTest, CategoryPicksTheListEntryItBeginsIgnoringCase) {
    CabrilloHeaderFields fields;
    fields.category = "single-op";
    LRESULT selected = CB_ERR;
    std::string shown;
    Operator dialog("Sarnet Contest", [&](HWND window) {
        selected = SendMessageA(GetDlgItem(window, IDC_CAB_CATEGORY), CB_GETCURSEL, 0, 0);
        shown = ControlText(window, IDC_CAB_CATEGORY);
        Press(window, IDOK);
    });
    ASSERT_TRUE(ShowCabrilloDialog(fields));
    ASSERT_TRUE(dialog.Join());
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(shown, "SINGLE-OP 80V");
    EXPECT_EQ(fields.category, "SINGLE-OP 80V");
}

TEST_F(CabrilloDialogTest, FailedWriteIsReportedInTheOutputBox) {
    Operator dialog("Sarnet Contest", [](HWND window) { Press(window, IDOK); });
    ASSERT_EQ(CallResetStats(m_start), 1);
    ASSERT_TRUE(dialog.Join());
    WriteFileBytes("YO9XYZ.cbr", "earlier log\r\n");
    std::filesystem::create_directory("YO9XYZ.cbr.tmp");
    int score = 0;
    const std::string message = SummaryMessage(&score);
    EXPECT_EQ(message.rfind("File not produced: YO9XYZ.cbr: ", 0), 0u) << message;
    EXPECT_EQ(ReadFileBytes("YO9XYZ.cbr"), "earlier log\r\n");
}

}  // namespace
