#include "cli/liststeps.h"

#include "cli/conditionoptions.h"

namespace ornal {

namespace {

int groupCount(const std::vector<ListStep>& steps)
{
    int count = 0;
    for (const ListStep& step : steps) {
        count += static_cast<int>(step.conditions.groups().size());
    }
    return count;
}

// The pass the next condition joins. Every filter and every condition keeps a line or drops it by looking at that
// line alone, and keeps the lines in their order: the lines left are the same whether conditions run in one pass or
// one after another, and whichever order the steps take. The order still decides which step meets a list already
// emptied and refuses it, as the window would, so filters and passes follow the command line. A second bound of a
// kind already in the pass would replace the first instead of adding to it: that bound opens a new pass.
LineConditions& passFor(std::vector<ListStep>& steps, bool (*holdsKind)(const LineConditions&))
{
    if (steps.empty() || steps.back().kind != ListStep::Kind::Conditions || holdsKind(steps.back().conditions)) {
        steps.push_back(ListStep {});
    }
    return steps.back().conditions;
}

} // namespace

bool IsListStepOption(std::string_view option)
{
    return option == "--garde" || option == "--supp" || option == "--groupe" || option == "--somme"
        || option == "--pairs" || option == "--suite";
}

std::string MissingStepValue(std::string_view option)
{
    const bool filter = option == "--garde" || option == "--supp";
    return std::string(option) + " attend " + (filter ? std::string("un numéro") : ExpectedConditionValue(option))
        + ".";
}

std::optional<std::string> AddListStep(std::vector<ListStep>& steps, std::string_view option, std::string_view value)
{
    if (option == "--garde" || option == "--supp") {
        // The window's own checks ("Choisir un Nombre.") refuse the text when the step runs, with status 1.
        steps.push_back(
            ListStep { option == "--garde" ? ListStep::Kind::Keep : ListStep::Kind::Remove, std::string(value), {} });
        return std::nullopt;
    }
    if (option == "--groupe") {
        Result<HorseGroup> group = ParseGroupOption(value);
        if (!group) {
            return group.refusal().text();
        }
        const int rank = groupCount(steps);
        if (rank >= kMaxGroupCount) {
            return "--groupe : cinq groupes au plus.";
        }
        // Named by their rank on the whole command line, so messages tell the groups apart across passes.
        group->name = DefaultGroupName(rank);
        passFor(steps, [](const LineConditions&) { return false; }).addGroup(std::move(*group));
        return std::nullopt;
    }
    if (option == "--somme") {
        const Result<CountRange> sum = ParseSumOption(value);
        if (!sum) {
            return sum.refusal().text();
        }
        passFor(steps, [](const LineConditions& c) { return c.sum().has_value(); }).setSum(*sum);
        return std::nullopt;
    }
    if (option == "--pairs") {
        const Result<CountRange> even = ParseEvenOption(value);
        if (!even) {
            return even.refusal().text();
        }
        passFor(steps, [](const LineConditions& c) { return c.evenCount().has_value(); }).setEvenCount(*even);
        return std::nullopt;
    }
    const Result<int> run = ParseRunOption(value);
    if (!run) {
        return run.refusal().text();
    }
    passFor(steps, [](const LineConditions& c) { return c.longestRun().has_value(); }).setLongestRun(*run);
    return std::nullopt;
}

Result<void> RunListSteps(const std::vector<ListStep>& steps, Game& game)
{
    for (const ListStep& step : steps) {
        GameOutcome outcome;
        switch (step.kind) {
        case ListStep::Kind::Conditions:
            outcome = game.applyConditions(step.conditions);
            break;
        case ListStep::Kind::Keep:
            outcome = game.keep(step.filterText);
            break;
        case ListStep::Kind::Remove:
            outcome = game.remove(step.filterText);
            break;
        }
        if (outcome.refusal) {
            return *outcome.refusal;
        }
    }
    return {};
}

} // namespace ornal
