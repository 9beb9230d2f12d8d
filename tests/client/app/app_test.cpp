// Start-up of the application object when the socket layer cannot start.
#include "app_fixture.h"

#include "QuillpostApp.h"

namespace {

class CNoSocketsApp : public CQuillpostApp {
protected:
    bool InitSockets() override { return false; }
};

} // namespace

using Startup = ClientAppTest;

TEST_F(Startup, ASocketLayerThatCannotStartShowsString103AndEndsWithoutAWindow)
{
    CNoSocketsApp app;
    headless->QueueDialogAnswer(IDOK);
    EXPECT_FALSE(app.InitInstance());
    const auto shown = headless->ShownDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].messageBox);
    EXPECT_EQ(shown[0].text, "Windows 소켓 초기화에 실패하였습니다.");
    EXPECT_EQ(shown[0].type & 0xF, MB_OK) << "only an OK button";
    EXPECT_EQ(shown[0].buttons, std::vector<int>{IDOK});
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "no main window was made";
}
