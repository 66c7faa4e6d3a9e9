#include "HelpTexts.h"

#include <QStringEncoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>

namespace korvel {
namespace {

const char* const kIndent = "   ";

// The basketball text as the coach reads it, paragraph by paragraph (without the indent).
const std::array<const char*, 7> kBasketParagraphs = {
    "La prueba consiste en un test interválico, de esfuerzo progresivo y maximal (hasta el "
    "agotamiento), que se desarrolla en una situación específica en la que los jugadores realizan "
    "recorridos con similares implicaciones físicas a los que se producen durante la competición "
    "(intercalando desplazamientos y recuperaciones). Este test debe realizarse sobre la propia cancha de "
    "juego y con el calzado específico de baloncesto, al objeto de adaptarse al tipo de esfuerzo que "
    "realizan los jugadores durante la disputa de un partido.",

    "Con el fin de estandarizar los recorridos y pausas de recuperación se ha desarrollado el software "
    "KORVEL-Basket, que controla con precisión el ritmo de carrera, emitiendo estímulos sonoros que, "
    "amplificados mediante altavoces, permiten al jugador regular su ritmo de desplazamiento, ya que ha "
    "de encontrarse sobrepasando la baliza (cono) correspondiente en cada uno de los efectos sonoros "
    "(pitidos) emitidos.",

    "Par la realización del test es preciso fijar un circuito situando 12 balizas/conos/estaciones de "
    "referencias en la disposición indicada en el gráfico. La prueba comienza ubicando a un jugador "
    "(hasta un máximo de 12) en la posición que determina cada cono.",

    "Al pulsar sobre el botón «Iniciar prueba» sonará el primer «beep» que indicará a los jugadores que "
    "han de poner en marcha su pulsómetro y comenzar su recorrido desplazándose hasta la baliza/cono "
    "siguiente, haciendo coincidir su llegada a la misma con el segundo «beep», y así sucesivamente hasta "
    "completar tres vueltas al circuito. Una vez finalizado el periodo inicial de calentamiento los "
    "jugadores esperarán 3 minutos, tratando de optimizar su recuperación, antes de comenzar el primer "
    "periodo de esfuerzo del test.",

    "Tras la finalización de cada periodo de esfuerzo se inicia un tiempo de recuperación de 30 segundos "
    "antes de comenzar el siguiente recorrido en el que se producirá un incremento del ritmo de carrera "
    "(+0,6 Km/h). Durante los 30 segundos de recuperación, los jugadores deberán permanecer cerca de su "
    "cono de inicio/finalización, tratando de optimizar la recuperación y evitando realizar cualquier "
    "actividad (hablar, moverse de forma intensa, etc.) que pudiera incrementar su ritmo cardiaco.",

    "Una vez finalizado el tiempo de recuperación los jugadores realizan el siguiente recorrido en "
    "sentido contrario al anterior (los periodos de esfuerzo impares se recorren en sentido anti-horario, "
    "mientras que los recorridos pares se realizan en sentido horario). Los jugadores deberán mantenerse "
    "realizando la prueba hasta el momento en que no puedan seguir el ritmo marcado por las señales "
    "acústicas que emite el ordenador, instante en el cual finalizará su participación en el test. Cuando "
    "un jugador no puede seguir el ritmo de carrera impuesto, se debe pulsar en el botón correspondiente a "
    "dicho sujeto en la Tabla de Deportistas, quedando automáticamente registrados los parámetros "
    "alcanzados por dicho sujeto.",

    "Los pulsómetros no deberán detenerse hasta después de 3 minutos finalizada la prueba, con el fin de "
    "registrar la recuperación de cada jugador.",
};

QStringList expectedBasketLines()
{
    QStringList lines;
    for (const char* paragraph : kBasketParagraphs) {
        if (!lines.isEmpty()) {
            lines << QString();
        }
        lines << QString::fromUtf8(kIndent) + QString::fromUtf8(paragraph);
    }
    return lines;
}

TEST(HelpTexts, BasketTextIsThirteenLinesAsWritten)
{
    const QStringList lines = helpText(Court::Basket).split(QLatin1Char('\n'));
    const QStringList expected = expectedBasketLines();
    ASSERT_EQ(lines.size(), 13);
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

// A place where a text departs from the basketball text; an empty `from` replaces the line.
struct Difference {
    Court court;
    int line;  // counted from 1
    const char* from;
    const char* to;
};

const Difference kDifferences[] = {
    {Court::Football, 1, "la propia cancha de juego y con el calzado específico de baloncesto",
     "el propio campo de juego y con las botas de fútbol"},
    {Court::Football, 3, "KORVEL-Basket", "KORVEL-Fútbol"},
    {Court::Football, 5, "12 balizas", "14 balizas"},
    {Court::Football, 5, "máximo de 12)", "máximo de 14)"},
    {Court::Football, 7, "tres vueltas", "dos vueltas"},
    {Court::Football, 9, "cardiaco.", "cardiaco. "},
    {Court::FutSal, 1, "la propia cancha de juego y con el calzado específico de baloncesto",
     "el propio campo de juego y con el calzado específico de fútbol sala"},
    {Court::FutSal, 3, "KORVEL-Basket", "KORVEL-FutSal"},
    {Court::FutSal, 5, "12 balizas", "14 balizas"},
    {Court::FutSal, 5, "máximo de 12)", "máximo de 14)"},
    {Court::FutSal, 7, "tres vueltas", "dos vueltas"},
    {Court::FutSal, 9, "cardiaco.", "cardiaco. "},
    {Court::Voley, 1,
     "la propia cancha de juego y con el calzado específico de baloncesto, al objeto de adaptarse al tipo de "
     "esfuerzo que realizan los jugadores durante la disputa de un partido.",
     "el propio campo de juego, al objeto de adaptarse al tipo de esfuerzo que realizan los jugadores "
     "durante la disputa de un partido de Voleibol."},
    {Court::Voley, 3, "KORVEL-Basket", "KORVEL-Voley"},
    {Court::Voley, 3, "regular su ritmo de desplazamiento, ya que",
     "regular su ritmo de desplazamiento (frontal, lateral y atrás), ya que"},
    {Court::Voley, 9, "cardiaco.", "cardiaco. "},
    {Court::Voley, 11, "",
     "   Los jugadores tratarán de mantenerse realizando la prueba hasta el momento en que no puedan seguir "
     "el ritmo marcado por las señales acústicas que emite el ordenador, instante en el cual finalizará su "
     "participación en el test. Cuando un jugador no puede seguir el ritmo de desplazamiento impuesto, se "
     "debe pulsar en el botón correspondiente a dicho sujeto en la tabla de deportistas, quedando "
     "automáticamente registrados los parámetros alcanzados por dicho jugador."},
};

TEST(HelpTexts, OtherTextsDifferFromBasketOnlyWhereListed)
{
    for (const Court court : {Court::Football, Court::FutSal, Court::Voley}) {
        QStringList expected = expectedBasketLines();
        for (const Difference& d : kDifferences) {
            if (d.court != court) {
                continue;
            }
            QString& line = expected[d.line - 1];
            const QString from = QString::fromUtf8(d.from);
            if (from.isEmpty()) {
                line = QString::fromUtf8(d.to);
                continue;
            }
            ASSERT_EQ(line.count(from), 1) << "line " << d.line << " of the basketball text lacks " << d.from;
            line.replace(from, QString::fromUtf8(d.to));
        }
        const QStringList lines = helpText(court).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 13) << static_cast<int>(court);
        for (int i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(lines[i], expected[i]) << "court " << static_cast<int>(court) << ", line " << i + 1;
        }
    }
}

TEST(HelpTexts, EveryTextHasIndentedParagraphsBetweenEmptyLinesInWindows1252)
{
    for (const Court court : {Court::Football, Court::Basket, Court::FutSal, Court::Voley}) {
        const QString text = helpText(court);
        const QStringList lines = text.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 13);
        for (int i = 0; i < lines.size(); ++i) {
            if (i % 2 == 1) {
                EXPECT_TRUE(lines[i].isEmpty()) << "court " << static_cast<int>(court) << ", line " << i + 1;
            } else {
                EXPECT_TRUE(lines[i].startsWith(QString::fromUtf8(kIndent)) && lines[i][3] != QLatin1Char(' '))
                    << "court " << static_cast<int>(court) << ", line " << i + 1;
            }
        }
        QStringEncoder windows1252("windows-1252");
        ASSERT_TRUE(windows1252.isValid());
        const QByteArray bytes = windows1252.encode(text);
        EXPECT_FALSE(windows1252.hasError()) << "court " << static_cast<int>(court);
        EXPECT_EQ(bytes.size(), text.size()) << "one byte per character";
    }
}

}  // namespace
}  // namespace korvel
