// The login and polling state of the news link: when the user counts as
// logged in, whether a login sends a request at once, and which `since`
// stamp each request carries.  The main window drives it from its timers
// and its logout command; the socket and the timers stay with the window.
#pragma once

#include "NewsRecords.h"

#include <string>
#include <string_view>

namespace news {

// Path of the service's news list page, shown once the user has logged in.
inline constexpr std::string_view kNewsListPath = "/messenger/php/news_list.php";
inline constexpr std::string_view kNewsListTitle = "news_list";

// Whether the main pane shows the news list: its address is `newsListUrl`
// or its title is "news_list", either ignoring case (ASCII letters only).
bool IsNewsListPage(std::string_view url, std::string_view title, std::string_view newsListUrl);

class CNewsLinkState {
public:
    // The login watch saw the news list page.  Returns whether a request
    // is to go at once (the first since start-up or the last logout).
    bool LoginSeen();
    // The logout command: the watch runs again and the next request after
    // the next login asks for the whole day.
    void Logout();

    // The `since` stamp for a request on a connection that has just been
    // made at `now`: midnight of today for the first request, else the
    // time of the previous connection.  Call it only once the connection
    // stands, so a failed one leaves the state as it was.
    std::string StampForRequest(const NewsTime& now);

    bool IsLoggedIn() const { return m_bLoggedIn; }
    bool IsFirstRequest() const { return m_bFirstRequest; }
    const std::string& LastRequest() const { return m_strLastRequest; }

private:
    bool m_bLoggedIn = false;
    bool m_bFirstRequest = true;
    std::string m_strLastRequest;
};

} // namespace news
