#include "listops/lineconditions.h"

#include <utility>

namespace ornal {

namespace {

std::string rangeText(const CountRange& range)
{
    if (range.minimum == range.maximum) {
        return std::to_string(range.minimum);
    }
    return std::to_string(range.minimum) + " à " + std::to_string(range.maximum);
}

void appendPart(std::string& text, const std::string& part)
{
    if (!text.empty()) {
        text += " ; ";
    }
    text += part;
}

} // namespace

bool LineConditions::addGroup(HorseGroup group)
{
    if (m_groups.size() >= static_cast<std::size_t>(kMaxGroupCount)) {
        return false;
    }
    if (group.name.empty()) {
        group.name = DefaultGroupName(static_cast<int>(m_groups.size()));
    }
    m_groups.push_back(std::move(group));
    return true;
}

bool LineConditions::empty() const
{
    return m_groups.empty() && !m_sum && !m_evenCount && !m_longestRun;
}

std::string LineConditions::summary() const
{
    std::string text;
    for (const HorseGroup& group : m_groups) {
        std::string members;
        for (double number : group.numbers) {
            members += (members.empty() ? "" : "-") + HorseNumberText(number);
        }
        appendPart(text, group.name + " : " + rangeText(group.count) + " parmi " + members);
    }
    if (m_sum) {
        appendPart(text, "somme " + rangeText(*m_sum));
    }
    if (m_evenCount) {
        appendPart(text, "pairs " + rangeText(*m_evenCount));
    }
    if (m_longestRun) {
        appendPart(text, "suite de " + std::to_string(*m_longestRun) + " au plus");
    }
    return text.empty() ? "Aucune condition" : text;
}

} // namespace ornal
