#include "NewsLinkState.h"

namespace news {
namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

} // namespace

bool IsNewsListPage(std::string_view url, std::string_view title, std::string_view newsListUrl)
{
    // An empty address is no page at all, even against an empty setting.
    return (!url.empty() && EqualNoCase(url, newsListUrl)) || EqualNoCase(title, kNewsListTitle);
}

bool CNewsLinkState::LoginSeen()
{
    m_bLoggedIn = true;
    return m_bFirstRequest;
}

void CNewsLinkState::Logout()
{
    m_bLoggedIn = false;
    m_bFirstRequest = true;
}

std::string CNewsLinkState::StampForRequest(const NewsTime& now)
{
    std::string since;
    if (m_bFirstRequest) {
        m_bFirstRequest = false;
        since = MidnightStamp(now);
    } else {
        since = m_strLastRequest;
    }
    m_strLastRequest = FormatStamp(now);
    return since;
}

} // namespace news
