#include "CreditsLists.h"

namespace korvel {
namespace {

// Entries are indented under their heading.
QStringList sections(std::initializer_list<std::pair<const char*, QStringList>> headed)
{
    QStringList lines;
    for (const auto& [heading, entries] : headed) {
        if (!lines.isEmpty()) {
            lines << QString();
        }
        lines << QString::fromUtf8(heading);
        for (const QString& entry : entries) {
            lines << QStringLiteral("   ") + entry;
        }
    }
    return lines;
}

QStringList researchCredits(const QString& clubs, const QString& players)
{
    return sections({
        {"DESARROLLO SOFTWARE:", {QStringLiteral("Equipo de desarrollo KORVEL")}},
        {"INVESTIGADORES PRINCIPALES:",
         {QStringLiteral("Grupo de investigación en rendimiento deportivo"),
          QStringLiteral("Laboratorio de fisiología del ejercicio")}},
        {"COLABORADORES:",
         {QStringLiteral("Departamento de Educación Física"),
          QStringLiteral("Servicio de medicina deportiva"), clubs}},
        {"AGRADECIMIENTOS:", {players}},
    });
}

QStringList authorCredits(const QString& clubs, const QString& players)
{
    return sections({
        {"AUTORES:",
         {QStringLiteral("Equipo de desarrollo KORVEL"),
          QStringLiteral("Grupo de investigación en rendimiento deportivo"), clubs}},
        {"AGRADECIMIENTOS:", {QStringLiteral("Departamento de Educación Física"), players}},
    });
}

}  // namespace

std::vector<CreditsList> creditsLists()
{
    return {
        {QStringLiteral("ListBox_Futbol"),
         researchCredits(QStringLiteral("Cuerpos técnicos de clubes de fútbol"),
                         QStringLiteral("Futbolistas de las pruebas piloto"))},
        {QStringLiteral("ListBox_Basket"),
         researchCredits(QStringLiteral("Cuerpos técnicos de clubes de baloncesto"),
                         QStringLiteral("Jugadores de baloncesto de las pruebas piloto"))},
        {QStringLiteral("ListBox_FutSal"),
         authorCredits(QStringLiteral("Cuerpos técnicos de clubes de fútbol sala"),
                       QStringLiteral("Jugadores de fútbol sala de las pruebas piloto"))},
        {QStringLiteral("ListBox_Voley"),
         authorCredits(QStringLiteral("Cuerpos técnicos de clubes de voleibol"),
                       QStringLiteral("Jugadores de voleibol de las pruebas piloto"))},
    };
}

}  // namespace korvel
