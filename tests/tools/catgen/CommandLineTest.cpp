#include "tools/catgen/CommandLine.h"

#include <gtest/gtest.h>

namespace {

CatgenCommand Accepted(const std::vector<std::string>& arguments) {
    auto parsed = ParseCommandLine(arguments);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        ADD_FAILURE() << "refused: " << *problem;
        return {};
    }
    return std::get<CatgenCommand>(parsed);
}

TEST(ParseCommandLine, TakesTheSampleAndItsFolder) {
    const CatgenCommand command = Accepted({"sample", "out/sample"});
    EXPECT_EQ(command.kind, CatgenCommand::Kind::Sample);
    EXPECT_EQ(command.folder, "out/sample");
}

TEST(ParseCommandLine, TakesEverySyntheticOption) {
    const CatgenCommand command = Accepted({"synthetic",
                                            "big",
                                            "--colours",
                                            "5000",
                                            "--textures",
                                            "12",
                                            "--texture-size",
                                            "512",
                                            "--product-size",
                                            "100",
                                            "--products-per-surface",
                                            "3",
                                            "--surfaces-per-mode",
                                            "2",
                                            "--auxiliary-colours",
                                            "64",
                                            "--seed",
                                            "4000000000",
                                            "--wheel",
                                            "--mixing-base"});
    EXPECT_EQ(command.kind, CatgenCommand::Kind::Synthetic);
    EXPECT_EQ(command.folder, "big");
    const SyntheticOptions& o = command.options;
    EXPECT_EQ(o.colours, 5000);
    EXPECT_EQ(o.textures, 12);
    EXPECT_EQ(o.textureSize, 512);
    EXPECT_EQ(o.productSize, 100);
    EXPECT_EQ(o.productsPerSurface, 3);
    EXPECT_EQ(o.surfacesPerMode, 2);
    EXPECT_EQ(o.auxiliaryColours, 64);
    EXPECT_EQ(o.seed, 4000000000u);
    EXPECT_TRUE(o.wheel);
    EXPECT_TRUE(o.mixingBase);
}

class RefusedCommandLine : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(RefusedCommandLine, ExplainsTheProblem) {
    const auto parsed = ParseCommandLine(GetParam());
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_FALSE(std::get<std::string>(parsed).empty());
}

INSTANTIATE_TEST_SUITE_P(
    ParseCommandLine, RefusedCommandLine,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"sample"},
                      std::vector<std::string>{"sample", "f", "--colours", "3"},
                      std::vector<std::string>{"catalogue", "f"},
                      std::vector<std::string>{"synthetic", "f", "--colours"},
                      std::vector<std::string>{"synthetic", "f", "--colours", "12abc"},
                      std::vector<std::string>{"synthetic", "f", "--colours", ""},
                      std::vector<std::string>{"synthetic", "f", "--colours", "99999999999999999999"},
                      std::vector<std::string>{"synthetic", "f", "--colours", "-4"},
                      std::vector<std::string>{"synthetic", "f", "--product-size", "0"},
                      std::vector<std::string>{"synthetic", "f", "--texture-size", "100000"},
                      std::vector<std::string>{"synthetic", "f", "--seed", "-1"},
                      std::vector<std::string>{"synthetic", "f", "--seed", "4294967296"},
                      std::vector<std::string>{"synthetic", "f", "--colour", "3"},
                      std::vector<std::string>{"synthetic", "f", "--wheel", "yes"}));

} // namespace
