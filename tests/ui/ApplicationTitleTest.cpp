#include "ui/ApplicationTitle.h"

#include <gtest/gtest.h>

using trimel::ui::applicationTitle;

TEST(ApplicationTitle, TitleIsTheExecutablesNameInLowerCaseAfterItsFirstLetter) {
    EXPECT_EQ(applicationTitle("/usr/local/bin/trimel"), "trimel");
    EXPECT_EQ(applicationTitle("TRIMEL.EXE"), "Trimel");
    EXPECT_EQ(applicationTitle("C:\\Games\\TriMel.v1.exe"), "Trimel");
    EXPECT_EQ(applicationTitle("./ТРИМЕЛЬ"), "Тримель");
    EXPECT_EQ(applicationTitle("/opt/.hidden"), "");
    EXPECT_EQ(applicationTitle(""), "");
}
