#include "platform/afx_time.h"

#include "platform/user_runtime.h"

#include <cmath>
#include <ctime>

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Days from 1970-01-01 to y-m-d in the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// 1899-12-30 counted from 1970-01-01.
const long long kEpochOffsetDays = DaysFromCivil(1899, 12, 30);

} // namespace

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : m_span(static_cast<double>(days) + (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay)
{
}

double COleDateTimeSpan::GetTotalSeconds() const { return std::round(m_span * kSecondsPerDay); }

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const bool ok = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                    day <= DaysInMonth(year, month) && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
                    second >= 0 && second < 60;
    if (!ok) {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                           kEpochOffsetDays;
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    // Before the epoch the fraction counts forward from the (negative) day,
    // stored with its sign, as the DATE type does.
    m_dt = days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    m_status = valid;
    return 0;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    const std::time_t now = static_cast<std::time_t>(UserWallClockMs() / 1000);
    std::tm local{};
    localtime_r(&now, &local);
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec);
}

bool COleDateTime::Split(Fields& f) const
{
    if (m_status != valid)
        return false;
    // Seconds since the epoch, undoing the signed-fraction encoding.
    const double whole = std::trunc(m_dt);
    const double frac = std::fabs(m_dt - whole);
    const long long secondsOfDay = std::llround(frac * kSecondsPerDay);
    long long day = static_cast<long long>(whole);
    long long sod = secondsOfDay;
    if (sod >= 86400) {
        sod -= 86400;
        day += m_dt >= 0 ? 1 : -1;
    }
    CivilFromDays(day + kEpochOffsetDays, f.year, f.month, f.day);
    f.hour = static_cast<int>(sod / 3600);
    f.minute = static_cast<int>((sod / 60) % 60);
    f.second = static_cast<int>(sod % 60);
    const long long unixDay = day + kEpochOffsetDays;
    f.dayOfWeek = static_cast<int>(((unixDay % 7) + 7 + 4) % 7) + 1; // 1970-01-01 was a Thursday
    f.dayOfYear = static_cast<int>(unixDay - DaysFromCivil(f.year, 1, 1)) + 1;
    return true;
}

#define FIELD_GETTER(Name, member)         \
    int COleDateTime::Name() const         \
    {                                      \
        Fields f{};                        \
        return Split(f) ? f.member : -1;   \
    }
FIELD_GETTER(GetYear, year)
FIELD_GETTER(GetMonth, month)
FIELD_GETTER(GetDay, day)
FIELD_GETTER(GetHour, hour)
FIELD_GETTER(GetMinute, minute)
FIELD_GETTER(GetSecond, second)
FIELD_GETTER(GetDayOfWeek, dayOfWeek)
FIELD_GETTER(GetDayOfYear, dayOfYear)
#undef FIELD_GETTER

CString COleDateTime::Format(LPCSTR format) const
{
    Fields f{};
    if (!format || !Split(f))
        return CString();
    std::tm t{};
    t.tm_year = f.year - 1900;
    t.tm_mon = f.month - 1;
    t.tm_mday = f.day;
    t.tm_hour = f.hour;
    t.tm_min = f.minute;
    t.tm_sec = f.second;
    t.tm_wday = f.dayOfWeek - 1;
    t.tm_yday = f.dayOfYear - 1;
    char buffer[512];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &t);
    return CString(buffer, static_cast<int>(n));
}

// Differences and sums go through whole seconds of a linear time line, so
// the signed-fraction encoding before 1899 does not distort them.
namespace {
double Linear(double dt)
{
    const double whole = std::trunc(dt);
    return whole + std::fabs(dt - whole);
}
double FromLinear(double lin)
{
    const double day = std::floor(lin);
    const double frac = lin - day;
    return day >= 0 ? lin : day - frac;
}
} // namespace

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    return COleDateTimeSpan(Linear(m_dt) - Linear(other.m_dt));
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime r(*this);
    r.m_dt = FromLinear(Linear(m_dt) + span.m_span);
    return r;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    COleDateTime r(*this);
    r.m_dt = FromLinear(Linear(m_dt) - span.m_span);
    return r;
}
