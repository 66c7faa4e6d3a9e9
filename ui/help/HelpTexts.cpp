#include "HelpTexts.h"

#include <QStringList>

#include <array>

namespace korvel {
namespace {

// Each text is written out in full, line by line, so that it reads as the coach will see it.
// The trailing blanks at the end of some paragraphs belong to the texts.
using HelpLines = std::array<const char*, 13>;

constexpr HelpLines kMemoTextoBasket = {
    "   La prueba consiste en un test interválico, de esfuerzo progresivo y maximal (hasta el agotamiento), "
    "que se desarrolla en una situación específica en la que los jugadores realizan recorridos con similares "
    "implicaciones físicas a los que se producen durante la competición (intercalando desplazamientos y "
    "recuperaciones). Este test debe realizarse sobre la propia cancha de juego y con el calzado específico "
    "de baloncesto, al objeto de adaptarse al tipo de esfuerzo que realizan los jugadores durante la disputa "
    "de un partido.",
    "",
    "   Con el fin de estandarizar los recorridos y pausas de recuperación se ha desarrollado el software "
    "KORVEL-Basket, que controla con precisión el ritmo de carrera, emitiendo estímulos sonoros que, "
    "amplificados mediante altavoces, permiten al jugador regular su ritmo de desplazamiento, ya que ha de "
    "encontrarse sobrepasando la baliza (cono) correspondiente en cada uno de los efectos sonoros (pitidos) "
    "emitidos.",
    "",
    "   Par la realización del test es preciso fijar un circuito situando 12 balizas/conos/estaciones de "
    "referencias en la disposición indicada en el gráfico. La prueba comienza ubicando a un jugador (hasta un "
    "máximo de 12) en la posición que determina cada cono.",
    "",
    "   Al pulsar sobre el botón «Iniciar prueba» sonará el primer «beep» que indicará a los jugadores que han "
    "de poner en marcha su pulsómetro y comenzar su recorrido desplazándose hasta la baliza/cono siguiente, "
    "haciendo coincidir su llegada a la misma con el segundo «beep», y así sucesivamente hasta completar tres "
    "vueltas al circuito. Una vez finalizado el periodo inicial de calentamiento los jugadores esperarán 3 "
    "minutos, tratando de optimizar su recuperación, antes de comenzar el primer periodo de esfuerzo del test.",
    "",
    "   Tras la finalización de cada periodo de esfuerzo se inicia un tiempo de recuperación de 30 segundos "
    "antes de comenzar el siguiente recorrido en el que se producirá un incremento del ritmo de carrera "
    "(+0,6 Km/h). Durante los 30 segundos de recuperación, los jugadores deberán permanecer cerca de su cono "
    "de inicio/finalización, tratando de optimizar la recuperación y evitando realizar cualquier actividad "
    "(hablar, moverse de forma intensa, etc.) que pudiera incrementar su ritmo cardiaco.",
    "",
    "   Una vez finalizado el tiempo de recuperación los jugadores realizan el siguiente recorrido en sentido "
    "contrario al anterior (los periodos de esfuerzo impares se recorren en sentido anti-horario, mientras que "
    "los recorridos pares se realizan en sentido horario). Los jugadores deberán mantenerse realizando la "
    "prueba hasta el momento en que no puedan seguir el ritmo marcado por las señales acústicas que emite el "
    "ordenador, instante en el cual finalizará su participación en el test. Cuando un jugador no puede seguir "
    "el ritmo de carrera impuesto, se debe pulsar en el botón correspondiente a dicho sujeto en la Tabla de "
    "Deportistas, quedando automáticamente registrados los parámetros alcanzados por dicho sujeto.",
    "",
    "   Los pulsómetros no deberán detenerse hasta después de 3 minutos finalizada la prueba, con el fin de "
    "registrar la recuperación de cada jugador.",
};

constexpr HelpLines kMemoTextoFutbol = {
    "   La prueba consiste en un test interválico, de esfuerzo progresivo y maximal (hasta el agotamiento), "
    "que se desarrolla en una situación específica en la que los jugadores realizan recorridos con similares "
    "implicaciones físicas a los que se producen durante la competición (intercalando desplazamientos y "
    "recuperaciones). Este test debe realizarse sobre el propio campo de juego y con las botas de fútbol, al "
    "objeto de adaptarse al tipo de esfuerzo que realizan los jugadores durante la disputa de un partido.",
    "",
    "   Con el fin de estandarizar los recorridos y pausas de recuperación se ha desarrollado el software "
    "KORVEL-Fútbol, que controla con precisión el ritmo de carrera, emitiendo estímulos sonoros que, "
    "amplificados mediante altavoces, permiten al jugador regular su ritmo de desplazamiento, ya que ha de "
    "encontrarse sobrepasando la baliza (cono) correspondiente en cada uno de los efectos sonoros (pitidos) "
    "emitidos.",
    "",
    "   Par la realización del test es preciso fijar un circuito situando 14 balizas/conos/estaciones de "
    "referencias en la disposición indicada en el gráfico. La prueba comienza ubicando a un jugador (hasta un "
    "máximo de 14) en la posición que determina cada cono.",
    "",
    "   Al pulsar sobre el botón «Iniciar prueba» sonará el primer «beep» que indicará a los jugadores que han "
    "de poner en marcha su pulsómetro y comenzar su recorrido desplazándose hasta la baliza/cono siguiente, "
    "haciendo coincidir su llegada a la misma con el segundo «beep», y así sucesivamente hasta completar dos "
    "vueltas al circuito. Una vez finalizado el periodo inicial de calentamiento los jugadores esperarán 3 "
    "minutos, tratando de optimizar su recuperación, antes de comenzar el primer periodo de esfuerzo del test.",
    "",
    "   Tras la finalización de cada periodo de esfuerzo se inicia un tiempo de recuperación de 30 segundos "
    "antes de comenzar el siguiente recorrido en el que se producirá un incremento del ritmo de carrera "
    "(+0,6 Km/h). Durante los 30 segundos de recuperación, los jugadores deberán permanecer cerca de su cono "
    "de inicio/finalización, tratando de optimizar la recuperación y evitando realizar cualquier actividad "
    "(hablar, moverse de forma intensa, etc.) que pudiera incrementar su ritmo cardiaco. ",
    "",
    "   Una vez finalizado el tiempo de recuperación los jugadores realizan el siguiente recorrido en sentido "
    "contrario al anterior (los periodos de esfuerzo impares se recorren en sentido anti-horario, mientras que "
    "los recorridos pares se realizan en sentido horario). Los jugadores deberán mantenerse realizando la "
    "prueba hasta el momento en que no puedan seguir el ritmo marcado por las señales acústicas que emite el "
    "ordenador, instante en el cual finalizará su participación en el test. Cuando un jugador no puede seguir "
    "el ritmo de carrera impuesto, se debe pulsar en el botón correspondiente a dicho sujeto en la Tabla de "
    "Deportistas, quedando automáticamente registrados los parámetros alcanzados por dicho sujeto.",
    "",
    "   Los pulsómetros no deberán detenerse hasta después de 3 minutos finalizada la prueba, con el fin de "
    "registrar la recuperación de cada jugador.",
};

constexpr HelpLines kMemoTextoFutSal = {
    "   La prueba consiste en un test interválico, de esfuerzo progresivo y maximal (hasta el agotamiento), "
    "que se desarrolla en una situación específica en la que los jugadores realizan recorridos con similares "
    "implicaciones físicas a los que se producen durante la competición (intercalando desplazamientos y "
    "recuperaciones). Este test debe realizarse sobre el propio campo de juego y con el calzado específico "
    "de fútbol sala, al objeto de adaptarse al tipo de esfuerzo que realizan los jugadores durante la "
    "disputa de un partido.",
    "",
    "   Con el fin de estandarizar los recorridos y pausas de recuperación se ha desarrollado el software "
    "KORVEL-FutSal, que controla con precisión el ritmo de carrera, emitiendo estímulos sonoros que, "
    "amplificados mediante altavoces, permiten al jugador regular su ritmo de desplazamiento, ya que ha de "
    "encontrarse sobrepasando la baliza (cono) correspondiente en cada uno de los efectos sonoros (pitidos) "
    "emitidos.",
    "",
    "   Par la realización del test es preciso fijar un circuito situando 14 balizas/conos/estaciones de "
    "referencias en la disposición indicada en el gráfico. La prueba comienza ubicando a un jugador (hasta un "
    "máximo de 14) en la posición que determina cada cono.",
    "",
    "   Al pulsar sobre el botón «Iniciar prueba» sonará el primer «beep» que indicará a los jugadores que han "
    "de poner en marcha su pulsómetro y comenzar su recorrido desplazándose hasta la baliza/cono siguiente, "
    "haciendo coincidir su llegada a la misma con el segundo «beep», y así sucesivamente hasta completar dos "
    "vueltas al circuito. Una vez finalizado el periodo inicial de calentamiento los jugadores esperarán 3 "
    "minutos, tratando de optimizar su recuperación, antes de comenzar el primer periodo de esfuerzo del test.",
    "",
    "   Tras la finalización de cada periodo de esfuerzo se inicia un tiempo de recuperación de 30 segundos "
    "antes de comenzar el siguiente recorrido en el que se producirá un incremento del ritmo de carrera "
    "(+0,6 Km/h). Durante los 30 segundos de recuperación, los jugadores deberán permanecer cerca de su cono "
    "de inicio/finalización, tratando de optimizar la recuperación y evitando realizar cualquier actividad "
    "(hablar, moverse de forma intensa, etc.) que pudiera incrementar su ritmo cardiaco. ",
    "",
    "   Una vez finalizado el tiempo de recuperación los jugadores realizan el siguiente recorrido en sentido "
    "contrario al anterior (los periodos de esfuerzo impares se recorren en sentido anti-horario, mientras que "
    "los recorridos pares se realizan en sentido horario). Los jugadores deberán mantenerse realizando la "
    "prueba hasta el momento en que no puedan seguir el ritmo marcado por las señales acústicas que emite el "
    "ordenador, instante en el cual finalizará su participación en el test. Cuando un jugador no puede seguir "
    "el ritmo de carrera impuesto, se debe pulsar en el botón correspondiente a dicho sujeto en la Tabla de "
    "Deportistas, quedando automáticamente registrados los parámetros alcanzados por dicho sujeto.",
    "",
    "   Los pulsómetros no deberán detenerse hasta después de 3 minutos finalizada la prueba, con el fin de "
    "registrar la recuperación de cada jugador.",
};

constexpr HelpLines kMemoTextoVoley = {
    "   La prueba consiste en un test interválico, de esfuerzo progresivo y maximal (hasta el agotamiento), "
    "que se desarrolla en una situación específica en la que los jugadores realizan recorridos con similares "
    "implicaciones físicas a los que se producen durante la competición (intercalando desplazamientos y "
    "recuperaciones). Este test debe realizarse sobre el propio campo de juego, al objeto de adaptarse al "
    "tipo de esfuerzo que realizan los jugadores durante la disputa de un partido de Voleibol.",
    "",
    "   Con el fin de estandarizar los recorridos y pausas de recuperación se ha desarrollado el software "
    "KORVEL-Voley, que controla con precisión el ritmo de carrera, emitiendo estímulos sonoros que, "
    "amplificados mediante altavoces, permiten al jugador regular su ritmo de desplazamiento (frontal, "
    "lateral y atrás), ya que ha de encontrarse sobrepasando la baliza (cono) correspondiente en cada uno de "
    "los efectos sonoros (pitidos) emitidos.",
    "",
    "   Par la realización del test es preciso fijar un circuito situando 12 balizas/conos/estaciones de "
    "referencias en la disposición indicada en el gráfico. La prueba comienza ubicando a un jugador (hasta un "
    "máximo de 12) en la posición que determina cada cono.",
    "",
    "   Al pulsar sobre el botón «Iniciar prueba» sonará el primer «beep» que indicará a los jugadores que han "
    "de poner en marcha su pulsómetro y comenzar su recorrido desplazándose hasta la baliza/cono siguiente, "
    "haciendo coincidir su llegada a la misma con el segundo «beep», y así sucesivamente hasta completar tres "
    "vueltas al circuito. Una vez finalizado el periodo inicial de calentamiento los jugadores esperarán 3 "
    "minutos, tratando de optimizar su recuperación, antes de comenzar el primer periodo de esfuerzo del test.",
    "",
    "   Tras la finalización de cada periodo de esfuerzo se inicia un tiempo de recuperación de 30 segundos "
    "antes de comenzar el siguiente recorrido en el que se producirá un incremento del ritmo de carrera "
    "(+0,6 Km/h). Durante los 30 segundos de recuperación, los jugadores deberán permanecer cerca de su cono "
    "de inicio/finalización, tratando de optimizar la recuperación y evitando realizar cualquier actividad "
    "(hablar, moverse de forma intensa, etc.) que pudiera incrementar su ritmo cardiaco. ",
    "",
    "   Los jugadores tratarán de mantenerse realizando la prueba hasta el momento en que no puedan seguir el "
    "ritmo marcado por las señales acústicas que emite el ordenador, instante en el cual finalizará su "
    "participación en el test. Cuando un jugador no puede seguir el ritmo de desplazamiento impuesto, se debe "
    "pulsar en el botón correspondiente a dicho sujeto en la tabla de deportistas, quedando automáticamente "
    "registrados los parámetros alcanzados por dicho jugador.",
    "",
    "   Los pulsómetros no deberán detenerse hasta después de 3 minutos finalizada la prueba, con el fin de "
    "registrar la recuperación de cada jugador.",
};

const HelpLines& linesFor(Court court)
{
    switch (court) {
    case Court::Football:
        return kMemoTextoFutbol;
    case Court::Basket:
        return kMemoTextoBasket;
    case Court::FutSal:
        return kMemoTextoFutSal;
    case Court::Voley:
        return kMemoTextoVoley;
    }
    return kMemoTextoBasket;
}

}  // namespace

QString helpText(Court court)
{
    QStringList lines;
    for (const char* line : linesFor(court)) {
        lines << QString::fromUtf8(line);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace korvel
