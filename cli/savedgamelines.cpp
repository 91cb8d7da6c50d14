#include "cli/savedgamelines.h"

#include "game/savedconditions.h"
#include "reduction/gamehorses.h"
#include "reduction/reductiontexts.h"
#include "reduction/verify.h"

#include <numeric>

namespace ornal {

std::vector<std::string> SavedGameLines(const SavedGame& opened, const Game& game, bool reduced)
{
    std::vector<std::string> lines;
    if (const LineConditions conditions = ConditionsOf(opened); !conditions.empty()) {
        lines.push_back("Conditions : " + conditions.summary());
    }
    if (!opened.guarantee || reduced) {
        return lines;
    }
    const Guarantee guarantee { opened.guarantee->p, opened.guarantee->t };
    const GameHorses horses = HorsesOfSelection(game.selection());
    std::vector<CombinationList::Count> every(game.list().size());
    std::iota(every.begin(), every.end(), CombinationList::Count { 0 });
    const Result<VerifyReport> report = Verify(game.list(), every, horses.horses, horses.bases, guarantee);
    if (!report) {
        return lines;
    }
    lines.push_back(GuaranteeLine(guarantee, report->met, report->arrivals));
    if (opened.guarantee->extent != SavedGuarantee::Extent::Full) {
        lines.push_back(CoverageLine(report->met, report->arrivals));
    }
    return lines;
}

} // namespace ornal
