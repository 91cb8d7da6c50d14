#pragma once

#include <string>

namespace ornal::testing_support {

// A desktop made for this test process: its own temporary folder and a registered "browser" that records its
// arguments. Set up before anything asks the system, because GIO reads the freedesktop folders once per process.
struct FakeDesktop {
    std::string root;
    std::string home; // $HOME, with no Documents folder at the start
    std::string tempFolder; // ends with '/'
    std::string recordFile; // the fake browser writes one argument per line here
    std::string workbookRecordFile; // the fake spreadsheet application writes its arguments here
};

const FakeDesktop& TheFakeDesktop();

} // namespace ornal::testing_support
