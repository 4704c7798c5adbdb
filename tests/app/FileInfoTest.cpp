#include "app/FileInfo.h"

#include "app/FileVersionInfo.h"
#include "app/ProgramPath.h"
#include "app/Version.h"
#include "platform/VersionResource.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

class FileInfo : public ::testing::Test {
protected:
    // A file with the bytes, and its sidecar when one is given.
    std::string File(const std::string& name, const char* sidecar = nullptr)
    {
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << "MZ";
        if (sidecar)
            std::ofstream(path + ".versioninfo") << sidecar;
        return path;
    }

    static std::string Value(const TFileInfo& info, int index) { return info.GetValue(index); }

    QTemporaryDir folder;
};

TEST_F(FileInfo, AMissingFileLeavesEverySlotEmpty)
{
    const std::string path = folder.filePath("fehlt.exe").toStdString();
    const TFileInfo info(path.c_str());
    for (int index = -1; index <= 12; ++index)
        EXPECT_EQ("", Value(info, index)) << index;
    const TFileInfo none(nullptr);
    EXPECT_EQ("", Value(none, 0));
}

TEST_F(FileInfo, AFileWithoutVersionHasOnlyItsName)
{
    const std::string path = File("ohne.exe");
    TFileInfo info(path.c_str());
    EXPECT_EQ(path, Value(info, 0));
    for (int index = 1; index <= 10; ++index)
        EXPECT_EQ("", Value(info, index)) << index;
    EXPECT_FALSE(info.ReadVersionInfo(path.c_str()));
    EXPECT_FALSE(info.ReadVersionInfo(nullptr));
}

TEST_F(FileInfo, OnlyTheFileVersion)
{
    const std::string path = File("nur.exe", "[VarFileInfo]\r\nTranslation=0409 04B0\r\n"
                                             "[StringFileInfo\\040904B0]\r\nFileVersion=3.1.4.1\r\n");
    TFileInfo info(path.c_str());
    EXPECT_EQ("3.1.4.1", Value(info, 3));
    for (int index : {1, 2, 4, 5, 6, 7, 8, 9, 10, -1, 12})
        EXPECT_EQ("", Value(info, index)) << index;
    EXPECT_TRUE(info.ReadVersionInfo(path.c_str()));
}

TEST_F(FileInfo, EveryEntryByItsIndex)
{
    std::string sidecar = "[VarFileInfo]\nTranslation=040704E4\n[StringFileInfo\\040704E4]\n";
    for (const char* name : TFileInfo::EntryNames)
        sidecar += std::string(name) + "=Wert " + name + "\n";
    const std::string path = File("alle.exe", sidecar.c_str());
    const TFileInfo info(path.c_str());
    for (int index = 1; index <= 10; ++index)
        EXPECT_EQ(std::string("Wert ") + TFileInfo::EntryNames[index - 1], Value(info, index));
}

TEST_F(FileInfo, TextsNeedTheFirstTranslation)
{
    // Without a translation table nothing is read; a table of another language is not asked.
    const std::string without = File("a.exe", "[StringFileInfo\\040704E4]\nFileVersion=1\n");
    TFileInfo a(without.c_str());
    EXPECT_FALSE(a.ReadVersionInfo(without.c_str()));
    EXPECT_EQ("", Value(a, 3));
    const std::string other = File("b.exe", "[VarFileInfo]\nTranslation=0407 04E4\n"
                                            "[StringFileInfo\\040904E4]\nFileVersion=1\n");
    const TFileInfo b(other.c_str());
    EXPECT_EQ("", Value(b, 3));
}

TEST_F(FileInfo, WhatLiesBeyondTheBufferIsNotFound)
{
    const std::string sidecar = "[VarFileInfo]\nTranslation=040704E4\n[StringFileInfo\\040704E4]\nProductName=Talvo\n"
                                "Comments=" + std::string(2100, 'c') + "\nFileVersion=2.0\n";
    const std::string path = File("gross.exe", sidecar.c_str());
    const TFileInfo info(path.c_str());
    EXPECT_EQ("Talvo", Value(info, 7));
    EXPECT_EQ("", Value(info, 9));
    EXPECT_EQ("", Value(info, 3));
}

TEST_F(FileInfo, TheRunningProgramAnswersWithTheBuildsVersion)
{
    const std::string program = ProgramModulePath();
    ASSERT_FALSE(program.empty());
    const TFileInfo info(program.c_str());
    EXPECT_EQ(program, Value(info, 0));
    EXPECT_EQ(PROGRAM_FILE_VERSION, Value(info, 3));
    EXPECT_EQ(PROGRAM_FILE_VERSION, Value(info, 8));
    EXPECT_EQ("", Value(info, 1));
}

TEST(VersionResource, QueryStopsAtTheBlocksEnd)
{
    platform::TVersionResource resource;
    resource.Translations.emplace_back(0x0407, 0x04E4);
    resource.Strings.emplace_back("\\StringFileInfo\\040704E4\\FileVersion", "1.2");
    const std::string block = platform::EncodeVersionResource(resource);
    std::size_t length = 0;
    const char* value = platform::VerQueryValue(block.data(), block.size(), "\\stringfileinfo\\040704e4\\fileversion", &length);
    ASSERT_NE(nullptr, value);
    EXPECT_EQ(std::string("1.2", 4), std::string(value, length));
    EXPECT_EQ(nullptr, platform::VerQueryValue(block.data(), block.size() - 3, "\\StringFileInfo\\040704E4\\FileVersion", &length));
    const char* table = platform::VerQueryValue(block.data(), block.size(), "\\VarFileInfo\\Translation", &length);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(std::string("\x07\x04\xE4\x04", 4), std::string(table, length));
    EXPECT_FALSE(platform::ParseVersionIni("[Other]\nx=1\n"));
}

} // namespace
