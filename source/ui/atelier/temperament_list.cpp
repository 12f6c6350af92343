#include "temperament_list.h"

#include <QComboBox>
#include <QCoreApplication>

#include <iterator>
#include <type_traits>

namespace corvane::atelier {
namespace {

struct ListedEntry {
    TemperamentEntry entry;
    const char* name;
    bool groupEnds; // a separator follows
};

// The names are translated as the form's texts.
const ListedEntry Listed[] = {
    { { TemperamentKind::Classic, static_cast<int>(board::ClassicScale::TemperedDiatonic) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Tempérée Diatonique"), false },
    { { TemperamentKind::Classic, static_cast<int>(board::ClassicScale::TemperedChromatic) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Tempérée Chromatique"), false },
    { { TemperamentKind::Classic, static_cast<int>(board::ClassicScale::NaturalDiatonic) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Naturelle Diatonique"), false },
    { { TemperamentKind::Classic, static_cast<int>(board::ClassicScale::NaturalChromatic) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Naturelle Chromatique"), false },
    { { TemperamentKind::Classic, static_cast<int>(board::ClassicScale::PythagoreanDiatonic) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Pythagore Diatonique"), false },
    { { TemperamentKind::Classic, static_cast<int>(board::ClassicScale::PythagoreanChromatic) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Pythagore Chromatique"), true },
    { { TemperamentKind::EqualDivisions, 0 },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Divisions égales de la période"), true },
    { { TemperamentKind::Builtin, static_cast<int>(board::BuiltinTable::Just12) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Juste, 5-limite (12 notes)"), false },
    { { TemperamentKind::Builtin, static_cast<int>(board::BuiltinTable::Pythagorean12) },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Pythagore, quintes justes (12 notes)"),
        false },
    { { TemperamentKind::Builtin, static_cast<int>(board::BuiltinTable::QuarterCommaMeantone12) },
        QT_TRANSLATE_NOOP(
            "corvane::atelier::DesignForm", "Mésotonique au quart de comma (12 notes)"),
        true },
    { { TemperamentKind::Scala, 0 },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Fichier Scala…"), false },
};

TemperamentEntry EntryOf(const board::TemperamentSource& source)
{
    return std::visit(
        [](const auto& s) -> TemperamentEntry {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, board::ClassicSource>)
                return { TemperamentKind::Classic, static_cast<int>(s.scale) };
            else if constexpr (std::is_same_v<T, board::EqualDivisions>)
                return { TemperamentKind::EqualDivisions, 0 };
            else if constexpr (std::is_same_v<T, board::BuiltinSource>)
                return { TemperamentKind::Builtin, static_cast<int>(s.table) };
            else
                return { TemperamentKind::Scala, 0 };
        },
        source);
}

} // namespace

void FillTemperamentList(QComboBox& list)
{
    for (int i = 0; i < static_cast<int>(std::size(Listed)); ++i) {
        list.addItem(
            QCoreApplication::translate("corvane::atelier::DesignForm", Listed[i].name), i);
        if (Listed[i].groupEnds)
            list.insertSeparator(list.count());
    }
}

TemperamentEntry EntryAt(const QComboBox& list, int row)
{
    bool listed = false;
    const int index = list.itemData(row).toInt(&listed);
    return listed && index >= 0 && index < static_cast<int>(std::size(Listed)) ? Listed[index].entry
                                                                               : Listed[0].entry;
}

int RowOf(const QComboBox& list, const board::TemperamentSource& source)
{
    const TemperamentEntry wanted = EntryOf(source);
    for (int i = 0; i < static_cast<int>(std::size(Listed)); ++i)
        if (Listed[i].entry.kind == wanted.kind && Listed[i].entry.value == wanted.value)
            return list.findData(i);
    return 0;
}

bool IsDiatonic(board::ClassicScale scale)
{
    return scale == board::ClassicScale::TemperedDiatonic
        || scale == board::ClassicScale::NaturalDiatonic
        || scale == board::ClassicScale::PythagoreanDiatonic;
}

} // namespace corvane::atelier
