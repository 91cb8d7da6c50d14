// The built program as one front end of the tables both front ends must treat alike: the same cases as options and
// a prediction, their answers read from its standard output, standard error and status.
#include "badfileparity.h"
#include "programrun.h"
#include "selectionparity.h"

#include <gtest/gtest.h>

namespace ornal::testing_support {
namespace {

class ProgramFront : public testing::Test {
public:
    // The program's texts are lines of standard error.
    static std::string said(const std::string& text) { return text + "\n"; }

    static SelectionAnswer answer(const SelectionCase& c)
    {
        std::vector<std::string> arguments { "--print" };
        for (const std::string& base : c.bases) {
            arguments.insert(arguments.end(), { "--base", base });
        }
        arguments.push_back(c.preload);
        const ProgramRun run = RunOrnal(arguments);
        SelectionAnswer answer;
        answer.lines = Lines(run.out);
        answer.said = run.err;
        using Kind = SelectionAnswer::Kind;
        answer.kind = run.status == 0 ? Kind::Listed : run.status == 1 && run.out.empty() ? Kind::Said : Kind::Other;
        answer.markRefused = run.status == 2 && run.out.empty() && !c.bases.empty()
            && run.err.starts_with("ornal : la base " + c.bases.back() + " ");
        return answer;
    }

    // Asked for the list and a CSV of it: neither is given out.
    static BadFileAnswer openBadFile(const BadFileCase& c)
    {
        ScratchFolder folder;
        const std::filesystem::path file = folder / c.file;
        c.make(file);
        BadFileAnswer answer;
        answer.before = EntriesOf(folder.path());
        // The time limit turns a hang into status 124.
        const ProgramRun run
            = RunOrnal({ "--print", "--csv", (folder / "x.csv").string(), file.string() }, "timeout 20 ");
        answer.after = EntriesOf(folder.path());
        answer.refused = run.status == 1 && run.out.empty();
        answer.said = run.err;
        return answer;
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Program, SelectionParity, ProgramFront);
INSTANTIATE_TYPED_TEST_SUITE_P(Program, BadFileParity, ProgramFront);

} // namespace
} // namespace ornal::testing_support
