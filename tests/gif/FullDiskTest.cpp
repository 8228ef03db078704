#include "gif/GifExport.h"

#include "../common/FullDisk.h"
#include "../common/TempFolder.h"
#include "TestPictures.h"
#include "common/AtomicFile.h"

#include <gtest/gtest.h>

TEST(GifFullDisk, APictureSavedOnAFullDiskKeepsThePreviousFileWhole) {
    TempFolder folder;
    const auto target = folder / "graph.gif";
    const auto small = testpictures::graph(20, 10, 1);
    gif::SavePictureAsGif(target, small.width, small.height, small.pixels);
    const std::string previous = TempFolder::read(target);

    const auto large = testpictures::graph(400, 300, 6);
    {
        FullDisk full(previous.size());
        EXPECT_THROW(gif::SavePictureAsGif(target, large.width, large.height, large.pixels),
                     common::FileWriteError);
    }
    EXPECT_EQ(TempFolder::read(target), previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}
