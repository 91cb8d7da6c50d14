// Opening the program's own modules: a module found and its symbol read, and each way it can fail said in French.
#include "modules/privatemodule.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace ornal {
namespace {

// target as a path relative to the running test program's folder, the way the programs name their modules.
std::string FromProgram(const std::filesystem::path& target)
{
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return std::filesystem::relative(target, self.parent_path()).string();
}

// The C library this test runs with, found through the loader itself.
std::filesystem::path CLibrary()
{
    Dl_info info {};
    EXPECT_NE(dladdr(reinterpret_cast<void*>(&getpid), &info), 0);
    return std::filesystem::canonical(info.dli_fname);
}

TEST(PrivateModule, ASymbolOfAModuleIsFound)
{
    const ModuleSymbol found = OpenModuleSymbol(FromProgram(CLibrary()), "getpid");
    EXPECT_EQ(found.address, reinterpret_cast<const void*>(&getpid));
    EXPECT_EQ(found.failure, "");
}

struct FailureCase {
    const char* name;
    const char* symbol;
    const char* says;
};

class PrivateModuleFailure : public testing::TestWithParam<FailureCase> { };

TEST_P(PrivateModuleFailure, SaysWhyInFrench)
{
    const FailureCase& c = GetParam();
    const std::filesystem::path folder = testing::TempDir() + "ornal_module_" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "texte.so") << "pas un module\n";
    const std::filesystem::path target
        = std::string(c.name) == "libc" ? CLibrary() : folder / (std::string(c.name) + ".so");

    const ModuleSymbol failed = OpenModuleSymbol(FromProgram(target), c.symbol);
    EXPECT_EQ(failed.address, nullptr);
    EXPECT_TRUE(failed.failure.starts_with("le module « " + target.string() + " » " + c.says)) << failed.failure;
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Modules, PrivateModuleFailure,
    testing::Values(FailureCase { "absent", "ornal_module", "est introuvable" },
        FailureCase { "texte", "ornal_module", "n'a pas pu être chargé (" },
        FailureCase { "libc", "ornal_no_such_symbol", "n'a pas pu être chargé (" }),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace ornal
