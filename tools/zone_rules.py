"""Whole-day daylight-saving rules as the program applies them to a zone record.

Kept apart from the generator so the data test measures the shipped zone file
with the same reading. Rules are keyed by the record's property numbers:
305/306/307 END occurrence/month/day of week, 308/309/310 the same for START.
"""

import calendar
import datetime


def weekday_sunday_zero(day):
    return (day.weekday() + 1) % 7


def transition_day(year, occurrence, month, dow):
    """(month, day) of the n-th given weekday in the year's month, 5 = the last.

    None when the rule names no day, which means the zone keeps standard time.
    """
    if not (1 <= occurrence <= 5 and 1 <= month <= 12 and 0 <= dow <= 6):
        return None
    matching = [d for d in range(1, calendar.monthrange(year, month)[1] + 1)
                if weekday_sunday_zero(datetime.date(year, month, d)) == dow]
    if occurrence <= len(matching):
        return (month, matching[occurrence - 1])
    return (month, matching[-1])


def is_daylight(day, rules):
    """Whether daylight time is in force on this date.

    The START day is already daylight time and the END day standard time, as
    the real changes happen in the small hours. A START later in the year than
    the END (southern hemisphere) wraps over the new year.
    """
    if rules[306] == 0:
        return False
    start = transition_day(day.year, rules[308], rules[309], rules[310])
    end = transition_day(day.year, rules[305], rules[306], rules[307])
    if start is None or end is None or start == end:
        return False
    today = (day.month, day.day)
    if start < end:
        return start <= today < end
    return today >= start or today < end


def utc_offset_minutes(bias, rules, day):
    return -bias + (60 if is_daylight(day, rules) else 0)
