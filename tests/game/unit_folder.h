// A fresh run over an empty temporary data folder, for in-process tests.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/run.h"

class GameUnitFolder : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override {
        char pattern[] = "/tmp/zrp-unit-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ResetRun();
        R().DataFolder = folder + "/";
        R().DataFilePrefix = "ZRP";
        R().GameDataFileName = "zrp.cfg";
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        ResetRun();
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(folder + "/" + name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};
