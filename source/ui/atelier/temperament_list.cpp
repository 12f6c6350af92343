#include "temperament_list.h"

#include "translation.h"

#include <QComboBox>
#include <QCoreApplication>

#include <iterator>
#include <type_traits>

namespace corvane::atelier {
namespace {

struct ListedEntry {
    TemperamentEntry entry;
    const char* label; // the list's own label, when the engine names no temperament
    bool groupEnds; // a separator follows
};

using board::BuiltinTable;
using board::ClassicScale;

const ListedEntry Listed[] = {
    { { TemperamentKind::Classic, static_cast<int>(ClassicScale::TemperedDiatonic) }, nullptr,
        false },
    { { TemperamentKind::Classic, static_cast<int>(ClassicScale::TemperedChromatic) }, nullptr,
        false },
    { { TemperamentKind::Classic, static_cast<int>(ClassicScale::NaturalDiatonic) }, nullptr,
        false },
    { { TemperamentKind::Classic, static_cast<int>(ClassicScale::NaturalChromatic) }, nullptr,
        false },
    { { TemperamentKind::Classic, static_cast<int>(ClassicScale::PythagoreanDiatonic) }, nullptr,
        false },
    { { TemperamentKind::Classic, static_cast<int>(ClassicScale::PythagoreanChromatic) }, nullptr,
        true },
    { { TemperamentKind::EqualDivisions, 0 },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Divisions égales de la période"), true },
    { { TemperamentKind::Builtin, static_cast<int>(BuiltinTable::Just12) }, nullptr, false },
    { { TemperamentKind::Builtin, static_cast<int>(BuiltinTable::Pythagorean12) }, nullptr, false },
    { { TemperamentKind::Builtin, static_cast<int>(BuiltinTable::QuarterCommaMeantone12) }, nullptr,
        true },
    { { TemperamentKind::Scala, 0 },
        QT_TRANSLATE_NOOP("corvane::atelier::DesignForm", "Fichier Scala…"), false },
};

// What the list shows for an entry: the engine's own name of the
// temperament, in the interface's language, or the list's label.
QString EntryText(const ListedEntry& listed)
{
    switch (listed.entry.kind) {
    case TemperamentKind::Classic:
        return language::TemperamentNameText(
            board::ClassicScaleTitle(static_cast<ClassicScale>(listed.entry.value)));
    case TemperamentKind::Builtin:
        return language::TemperamentNameText(
            board::MakeBuiltin(static_cast<BuiltinTable>(listed.entry.value)).name);
    case TemperamentKind::EqualDivisions:
    case TemperamentKind::Scala:
        break;
    }
    return QCoreApplication::translate("corvane::atelier::DesignForm", listed.label);
}

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
        list.addItem(EntryText(Listed[i]), i);
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

} // namespace corvane::atelier
