#pragma once

#include <string>

namespace host {

class TSqlDatabase;

// The name of the demo host's ini file, without ".ini", as its host information gives it.
inline constexpr char DemoHostIniName[] = "Ets20";

// Fills an empty project database with the demo project: one project with area 1 and line 1,
// three push-button sensors of the product (type numbers and key counts in their device
// parameters 60 and 61), group addresses in four main groups with several middle groups each
// (some typed, some free), and the host information with hostFolder as the host's folder
// (ending in "/").
void FillDemoProject(TSqlDatabase& db, const std::string& hostFolder);

} // namespace host
