#include "KorvelApplication.h"

#include "ApplicationTitle.h"

#include "support/ErrorBoxRecorder.h"

#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvel {
namespace {

// A widget whose click handler fails every time, as a broken button would.
class FailingWidget : public QWidget {
public:
    int clicks = 0;
    bool throwsStandardError = true;

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        ++clicks;
        if (throwsStandardError) {
            throw std::runtime_error("No se pudo leer la tabla.");
        }
        throw 42;
    }
};

class KorvelApplicationTest : public testing::Test {
protected:
    KorvelApplicationTest() { ApplicationTitle::set(QStringLiteral("KORVEL-Basket 2.0")); }

    ErrorBoxRecorder recorder;
    FailingWidget widget;
};

TEST_F(KorvelApplicationTest, ErrorInAClickIsShownCaptionedWithTheApplicationTitleAndTheProgramGoesOn)
{
    QTest::mouseClick(&widget, Qt::LeftButton);
    QTest::mouseClick(&widget, Qt::LeftButton);

    EXPECT_EQ(widget.clicks, 2);
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0].first, QStringLiteral("KORVEL-Basket 2.0"));
    EXPECT_EQ(recorder.boxes[0].second, QStringLiteral("No se pudo leer la tabla."));
}

TEST_F(KorvelApplicationTest, ErrorWithoutAMessageIsStillReported)
{
    widget.throwsStandardError = false;
    QTest::mouseClick(&widget, Qt::LeftButton);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].second, QStringLiteral("Error inesperado."));
}

TEST_F(KorvelApplicationTest, ErrorInATimerTickDoesNotStopTheEventLoop)
{
    int later = 0;
    QTimer::singleShot(0, &widget, [] { throw std::runtime_error("Fallo en el temporizador."); });
    QTimer::singleShot(0, &widget, [&] { ++later; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return later == 1; }, 1000));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].second, QStringLiteral("Fallo en el temporizador."));
}

}  // namespace
}  // namespace korvel

int main(int argc, char** argv)
{
    korvel::KorvelApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
