#include "race/margin_words.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kestrova {
namespace {

TEST(ChakusaText, GivesTheWordsAtEveryBoundary)
{
    const std::vector<std::pair<int32_t, QString>> cases = {
        {0, "同着"},    {1, "ハナ"},    {4, "ハナ"},    {5, "アタマ"},  {8, "アタマ"},  {9, "首"},
        {12, "首"},     {13, "1/4"},    {19, "1/4"},    {20, "1/2"},    {28, "1/2"},    {29, "3/4"},
        {36, "3/4"},    {37, "1馬身"},  {46, "1馬身"},  {47, "2馬身"},  {93, "2馬身"},  {94, "3馬身"},
        {376, "9馬身"}, {422, "9馬身"}, {423, "大差"},  {5000, "大差"}, {INT32_MAX, "大差"},
    };
    for (const auto& [d, words] : cases) EXPECT_EQ(ChakusaText(d), words) << d;
}

TEST(ChakusaText, ReadsANegativeMarginByItsSize)
{
    const std::vector<std::pair<int32_t, QString>> cases = {
        {-1, "ハナ"}, {-30, "3/4"}, {-47, "2馬身"}, {-423, "大差"}, {INT32_MIN, "大差"},
    };
    for (const auto& [d, words] : cases) EXPECT_EQ(ChakusaText(d), words) << d;
}

TEST(CourseText, NamesTheSurfaceAndTheMetres)
{
    EXPECT_EQ(CourseText(12, 0), "芝1200m");
    EXPECT_EQ(CourseText(20, 0), "芝2000m");
    EXPECT_EQ(CourseText(30, 0), "芝3000m");
    EXPECT_EQ(CourseText(20, 1), "ダート2000m");
    EXPECT_EQ(CourseText(20, 2), "ダート2000m");
    EXPECT_EQ(CourseText(400, 0), "芝40000m");
}

}  // namespace
}  // namespace kestrova
