#include "FontSubstitutes.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class FontSubstitutesTest : public testing::TestWithParam<const char*> {};

// Without the mapping the desktop's fallback (a wider face) would take these names.
TEST_P(FontSubstitutesTest, NamedFontResolvesToLiberationSans)
{
    installFontSubstitutes();
    QFont font(QString::fromLatin1(GetParam()));
    font.setPixelSize(11);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
}

INSTANTIATE_TEST_SUITE_P(WindowFonts, FontSubstitutesTest,
                         testing::Values("Arial", "Arial Black", "MS Sans Serif"));

}  // namespace
}  // namespace korvel
