// The login watch's page test and the stamps the requests carry through
// logins, failed connections and logouts.
#include "NewsLinkState.h"

#include <gtest/gtest.h>

namespace {

constexpr news::NewsTime kMorning{2026, 12, 11, 9, 30, 5};
constexpr news::NewsTime kLater{2026, 12, 11, 9, 35, 5};
constexpr news::NewsTime kNextDay{2026, 12, 12, 0, 0, 7};

TEST(NewsListPage, SeenByAddressOrTitleIgnoringCase)
{
    const char* list = "http://news.example/messenger/php/news_list.php";
    struct Case {
        const char* url;
        const char* title;
        bool seen;
    } cases[] = {
        {"http://news.example/messenger/php/news_list.php", "", true},
        {"HTTP://NEWS.EXAMPLE/Messenger/PHP/News_List.php", "whatever", true},
        {"about:blank", "NEWS_LIST", true},
        {"", "News_List", true},
        {"http://news.example/messenger/php/news_list.php?page=2", "", false},
        {"http://news.example/messenger/php/login.php", "login", false},
        {"about:blank", "news_list ", false},
        {"", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(news::IsNewsListPage(c.url, c.title, list), c.seen) << c.url << " / " << c.title;
    EXPECT_FALSE(news::IsNewsListPage("", "", "")) << "no page is no login, whatever the setting";
}

TEST(NewsLinkState, FirstRequestAsksForTheDayThenFromThePreviousRequest)
{
    news::CNewsLinkState state;
    EXPECT_FALSE(state.IsLoggedIn());
    EXPECT_TRUE(state.LoginSeen()) << "the first login sends at once";
    EXPECT_TRUE(state.IsLoggedIn());
    EXPECT_EQ(state.StampForRequest(kMorning), "20261211000000");
    EXPECT_EQ(state.StampForRequest(kLater), "20261211093005");
    EXPECT_EQ(state.StampForRequest(kNextDay), "20261211093505");
    EXPECT_EQ(state.LastRequest(), "20261212000007");
}

TEST(NewsLinkState, FailedConnectionsLeaveTheStampAsItWas)
{
    // A failed connection asks for no stamp: the next one that stands
    // still asks for the whole day.
    news::CNewsLinkState state;
    state.LoginSeen();
    EXPECT_TRUE(state.IsFirstRequest());
    EXPECT_EQ(state.StampForRequest(kLater), "20261211000000");
}

TEST(NewsLinkState, LogoutStartsTheDayOverAndLoginSendsAgain)
{
    news::CNewsLinkState state;
    state.LoginSeen();
    state.StampForRequest(kMorning);
    EXPECT_FALSE(state.LoginSeen()) << "seen again while a request went: no extra request";
    state.Logout();
    EXPECT_FALSE(state.IsLoggedIn());
    EXPECT_TRUE(state.LoginSeen());
    EXPECT_EQ(state.StampForRequest(kNextDay), "20261212000000");
}

} // namespace
