// A close or a Quit that comes while a handler runs is kept and carried out once that handler
// ends: the program ends with 0 and the preference file is written, once.
#include <gtest/gtest.h>

#include <QAction>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "PaletteTest.h"
#include "PreferenceFileChecks.h"
#include "framework/files/GetFolderItem.h"
#include "framework/gui/WindowList.h"
#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/Dispatcher.h"
#include "qrworkflow/ChartHost.h"
#include "support/ProcessRun.h"
#include "support/RecordingScriptHost.h"
#include "support/TempFolder.h"
#include "support/TempPreferences.h"
#include "support/WidgetLookup.h"

namespace {

using vemo_test::ReadWholeFile;

constexpr std::int32_t kSelectedTexts = 168;
constexpr std::int32_t kFrontmostApplication = 169;
constexpr int kRequestsSent = 3;
const std::string kWrittenFile = "130\n90\n1\n2\n5\n";

enum class Request { Close, Quit };
// What runs when the requests come: a handler inside a message box's own event loop, a create
// run while it gets the selection, the front-application watch while its script yields.
enum class Busy { MessageBox, CreateRun, SlowScript };

struct KeptCase {
    Request request;
    Busy busy;
    const char* name;
};

void PrintTo(const KeptCase& keptCase, std::ostream* out) { *out << keptCase.name; }

void SendRequest(Request request, Window1& palette) {
    if (request == Request::Close) {
        palette.Widget()->close();
    } else {
        palette.FileQuit()->Action()->trigger();
    }
}

class KeptCloseTest : public ::testing::TestWithParam<KeptCase> {
  protected:
    KeptCloseTest()
        : previousFolder_(fw::SetDefaultFolder(temp_.Path())),
          previousHost_(SetChartHost("127.0.0.1:1")) {}
    ~KeptCloseTest() override {
        SetChartHost(previousHost_);
        fw::SetDefaultFolder(previousFolder_);
    }

    // Sends the requests, several times over, from inside the running handler and notes
    // what the palette looked like right after.
    void SendRequests(Window1& palette) {
        ASSERT_TRUE(fw::IsDispatching());
        for (int i = 0; i < kRequestsSent; ++i) SendRequest(GetParam().request, palette);
        openAfterRequests_ = palette.IsOpen();
        fileAfterRequests_ = ReadWholeFile(preferences_.File());
        sent_ = true;
    }

    // A message box whose own loop delivers the requests, as a real one delivers the user's.
    void ShowBoxesThatDeliverTheRequests(Window1& palette) {
        fw::SetMessageBoxPresenter([this, &palette](const std::string&) {
            QEventLoop box;
            QTimer::singleShot(0, &box, [this, &palette, &box] {
                if (!sent_) SendRequests(palette);
                box.quit();
            });
            box.exec();
        });
    }

    // A script that takes its time and lets the loop run meanwhile; the requests come then.
    void AnswerSlowlyWhileTheRequestsCome(std::int32_t script, Window1& palette) {
        host_->AnswerWith([this, script, &palette](const fw::ScriptCall& call) -> fw::String {
            if (call.script != script) return {};
            QTimer::singleShot(0, [this, &palette] { SendRequests(palette); });
            for (int pass = 0; pass < 1000 && !sent_; ++pass) fw::RuntimeBackgroundTask();
            return {};
        });
    }

    void RunBusyHandler(Window1& palette) {
        switch (GetParam().busy) {
            case Busy::MessageBox:
                ShowBoxesThatDeliverTheRequests(palette);
                fw::DispatchEvent([&palette] { palette.my_msgbox("message"); });
                break;
            case Busy::CreateRun:
                AnswerSlowlyWhileTheRequestsCome(kSelectedTexts, palette);
                ClickWidget(*palette.makeqr()->Widget());
                break;
            case Busy::SlowScript:
                AnswerSlowlyWhileTheRequestsCome(kFrontmostApplication, palette);
                palette.Timer1()->RaiseEvent("Action");
                break;
        }
    }

    int Run() {
        return vemo_test::RunProcessSteps(nullptr, [this] {
            fw::Ref<Window1> palette = Window1::Instance();
            WaitUntilExposed(*palette->Widget());
            PlacePalette(*palette, QPoint(130, 90), {1, 2, 5});
            RunBusyHandler(*palette);
            endedAfterHandler_ = !palette->IsOpen() && fw::QuitRequested();
            openWindowsAfter_ = fw::OpenWindows().size();
            if (!fw::QuitRequested()) fw::Quit(99);
        });
    }

    vemo_test::TempPreferences preferences_;
    vemo_test::TempFolder temp_;
    std::string previousFolder_;
    fw::String previousHost_;
    vemo_test::RecordingScriptHostScope host_;
    UnhandledReports unhandled_;
    bool sent_ = false;
    bool openAfterRequests_ = false;
    std::string fileAfterRequests_ = "not read";
    bool endedAfterHandler_ = false;
    std::size_t openWindowsAfter_ = 99;
};

TEST_P(KeptCloseTest, EndsWithZeroAndAWrittenFileOnceTheHandlerEnds) {
    EXPECT_EQ(Run(), 0);
    ASSERT_TRUE(sent_) << "the requests never came while the handler ran";
    EXPECT_TRUE(openAfterRequests_) << "nothing is closed in the middle of a handler";
    EXPECT_EQ(fileAfterRequests_, "");
    EXPECT_TRUE(endedAfterHandler_) << "the kept request ran as the handler ended";
    EXPECT_EQ(openWindowsAfter_, 0u) << "a second close would have built a second palette";
    EXPECT_EQ(ReadWholeFile(preferences_.File()), kWrittenFile);
    EXPECT_TRUE(unhandled_.All().empty());
}

INSTANTIATE_TEST_SUITE_P(
    RequestsWhileBusy, KeptCloseTest,
    ::testing::Values(KeptCase{Request::Close, Busy::MessageBox, "CloseInMessageBox"},
                      KeptCase{Request::Quit, Busy::MessageBox, "QuitInMessageBox"},
                      KeptCase{Request::Close, Busy::CreateRun, "CloseInCreateRun"},
                      KeptCase{Request::Quit, Busy::CreateRun, "QuitInCreateRun"},
                      KeptCase{Request::Close, Busy::SlowScript, "CloseInSlowScript"},
                      KeptCase{Request::Quit, Busy::SlowScript, "QuitInSlowScript"}),
    [](const ::testing::TestParamInfo<KeptCase>& info) { return std::string(info.param.name); });

}  // namespace
