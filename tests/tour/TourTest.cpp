#include "tests/tour/TourIndex.h"
#include "tests/tour/TourStops.h"

#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

namespace tour {
namespace {

const std::filesystem::path Folder(TOUR_SCREENSHOT_DIR);

class Tour : public ::testing::TestWithParam<std::size_t> {};

TEST_P(Tour, ShowsTheWindowAsTheUserOpensIt)
{
    const TTourStop& stop = TourStops().at(GetParam());
    TTour tour(stop.Start, (Folder / "tour" / PictureName(GetParam(), stop)).string());
    if (::testing::Test::HasFatalFailure())
        return;
    stop.Visit(tour);
    EXPECT_TRUE(tour.Grabbed()) << "no picture of " << stop.Name;
}

INSTANTIATE_TEST_SUITE_P(, Tour, ::testing::Range<std::size_t>(0, TourStops().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             const std::string name = PictureName(info.param, TourStops().at(info.param));
                             return name.substr(0, name.find('.'));
                         });

std::vector<TIndexEntry> TableEntries()
{
    std::vector<TIndexEntry> entries;
    for (std::size_t index = 0; index < TourStops().size(); ++index)
        entries.push_back({PictureName(index, TourStops()[index]), TourStops()[index].Caption});
    return entries;
}

TEST(TourIndex, ThePageShowsThePicturesTakenWithTheirCaptionsByRelativeLinks)
{
    const std::vector<TIndexEntry> taken = ExistingPictures(TableEntries(), Folder / "tour");
    ASSERT_FALSE(taken.empty()) << "the tour has not run";
    platform::WriteFileAtomically((Folder / "index.html").string(), IndexPage(taken, "tour"));

    const std::string page = platform::ReadWholeFile((Folder / "index.html").string());
    const std::regex source("src=\"([^\"]+)\"");
    std::size_t pictures = 0;
    for (auto match = std::sregex_iterator(page.begin(), page.end(), source); match != std::sregex_iterator();
         ++match, ++pictures) {
        const std::string link = (*match)[1];
        EXPECT_EQ(link.rfind("tour/", 0), 0u) << link;
        EXPECT_TRUE(std::filesystem::is_regular_file(Folder / link)) << link;
    }
    EXPECT_EQ(pictures, taken.size());
    for (const TIndexEntry& entry : taken)
        EXPECT_NE(page.find("<figure id=\"" + entry.Picture + "\">\n<figcaption>"), std::string::npos) << entry.Picture;
}

TEST(TourIndex, CaptionsAreEscaped)
{
    const std::string page = IndexPage({{"01_a.png", "Fenster <A> & \"B\""}}, "tour");
    EXPECT_NE(page.find("Fenster &lt;A&gt; &amp; &quot;B&quot;"), std::string::npos);
    EXPECT_EQ(page.find("<A>"), std::string::npos);
}

} // namespace
} // namespace tour
