// COleDateTime and COleDateTimeSpan: a local date and time held as days
// since 1899-12-30 00:00 (the framework's DATE), and a difference of two.
// "Now" is the runtime's wall clock, so tests can run it virtually.
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_string.h"
#include "platform/base.h"

class PLATFORM_AFX_API COleDateTimeSpan {
public:
    COleDateTimeSpan() = default;
    explicit COleDateTimeSpan(double days) : m_span(days) {}
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
    // Whole seconds, rounded to the nearest.
    double GetTotalSeconds() const;
    long GetDays() const { return static_cast<long>(m_span); }

    double m_span = 0.0;
};

class PLATFORM_AFX_API COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // An unset value: status null.
    COleDateTime() = default;
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    // The current local time, to the whole second.
    static COleDateTime GetCurrentTime();

    // Invalid components give status invalid and a zero date.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    DateTimeStatus GetStatus() const { return m_status; }

    // Fields of a valid value; -1 when it is not valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday
    int GetDayOfYear() const; // 1 = 1 January

    // strftime codes (%Y %m %d %H %M %S %A %B ...), in the C locale.
    CString Format(LPCSTR format) const;

    COleDateTimeSpan operator-(const COleDateTime& other) const;
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    bool operator==(const COleDateTime& o) const { return m_dt == o.m_dt && m_status == o.m_status; }
    bool operator!=(const COleDateTime& o) const { return !(*this == o); }
    bool operator<(const COleDateTime& o) const { return m_dt < o.m_dt; }
    bool operator>(const COleDateTime& o) const { return m_dt > o.m_dt; }

    double m_dt = 0.0;
    DateTimeStatus m_status = null;

private:
    struct Fields {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    bool Split(Fields& f) const;
};
