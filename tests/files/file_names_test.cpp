// Extensions are matched exactly as listed: all lower or all upper case.

#include "files/file_names.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

TEST(FileNames, AnExtensionMatchesOnlyInTheSpellingsListed) {
    struct Case {
        const char* Path;
        bool Animation, Jpeg;
    };
    const Case cases[] = {
        {"a.mrv", true, false},
        {"/x/A.MRV", true, false},
        {"a.Mrv", false, false},
        {"a.mrv.txt", false, false},
        {"C:\\dir.mrv\\file", false, false},
        {"mrv", false, false},
        {"photo.jpg", false, true},
        {"photo.JPG", false, true},
        {"photo.jpeg", false, false},
        {"photo.Jpg", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasExtension(c.Path, AnimationExtensions), c.Animation) << c.Path;
        EXPECT_EQ(HasExtension(c.Path, JpegExtensions), c.Jpeg) << c.Path;
    }
}

} // namespace
} // namespace murva
