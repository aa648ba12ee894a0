#pragma once

#include "regex/TRegexMatch.h"

// One group of a match.
class TRegexCaptureGroup : public ICaptureGroup
{
public:
    TRegexCaptureGroup(std::shared_ptr<const TRegexMatch> match, int32_t number)
        : m_match(std::move(match)), m_number(number)
    {
    }

    bool Success() const override { return m_match->GroupStart(m_number) != -1; }
    QString Value() const override { return m_match->GroupValue(m_number); }
    int32_t Index() const override { return m_match->GroupStart(m_number); }
    int32_t Length() const override { return m_match->GroupEnd(m_number) - m_match->GroupStart(m_number); }

private:
    std::shared_ptr<const TRegexMatch> m_match;
    int32_t m_number;
};
