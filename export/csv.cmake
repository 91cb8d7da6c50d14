# Plain C++: the list as a CSV file for spreadsheets. No Qt.
add_library(ornal_csv STATIC ${CMAKE_CURRENT_LIST_DIR}/csvfile.cpp)
target_include_directories(ornal_csv PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(ornal_csv PUBLIC ornal_engine ornal_files ornal_listops)
