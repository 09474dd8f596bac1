#include "config/form_snapshot.h"

#include <sstream>

namespace qavi::test {

namespace {

std::string colour(ui::Color c) { return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b); }

std::string describe(const ui::Control& c) {
    std::ostringstream out;
    out.precision(17);
    out << "visible=" << c.visible() << " enabled=" << c.enabled() << " caption=" << c.caption() << " hint=" << c.hint()
        << " tag=" << c.tag() << " color=" << colour(c.color()) << " font=" << colour(c.fontColor());
    if (const auto* box = dynamic_cast<const ui::CheckBox*>(&c)) out << " checked=" << box->checked();
    if (const auto* radio = dynamic_cast<const ui::RadioButton*>(&c)) out << " checked=" << radio->checked();
    if (const auto* combo = dynamic_cast<const ui::ComboBox*>(&c)) {
        out << " item=" << combo->itemIndex() << " text=" << combo->text();
        for (const auto& item : combo->items()) out << " |" << item;
    }
    if (const auto* edit = dynamic_cast<const ui::Edit*>(&c)) out << " text=" << edit->text();
    if (const auto* memo = dynamic_cast<const ui::Memo*>(&c)) out << " text=" << memo->text();
    if (const auto* spin = dynamic_cast<const ui::Spin*>(&c)) out << " value=" << spin->value();
    if (const auto* signal = dynamic_cast<const ui::SignalControl*>(&c)) {
        out << " value=" << signal->value() << " range=" << signal->valueFrom() << ".." << signal->valueTo()
            << " digital=" << signal->digitalFrom() << ".." << signal->digitalTo() << " name1=" << signal->name1()
            << " name2=" << signal->name2() << " unit=" << signal->unit();
    }
    if (const auto* led = dynamic_cast<const ui::Led*>(&c)) {
        out << " checked=" << led->checked() << " on=" << colour(led->onColor()) << " off=" << colour(led->offColor())
            << " flashing=" << led->flashing();
    }
    if (const auto* sw = dynamic_cast<const ui::Switch*>(&c)) out << " checked=" << sw->checked();
    if (const auto* chart = dynamic_cast<const ui::Chart*>(&c)) {
        out << " right=" << chart->rightAxis.maximum << " left=" << chart->leftAxis.maximum;
        for (const auto& s : chart->series) out << " " << s.name << ":" << s.points.size();
    }
    if (const auto* item = dynamic_cast<const ui::MenuItem*>(&c)) out << " checked=" << item->checked();
    return out.str();
}

}  // namespace

FormSnapshot snapshotOf(const ui::Form& form) {
    FormSnapshot snapshot;
    for (const ui::Control* c : form.controls()) snapshot[c->name()] = describe(*c);
    return snapshot;
}

std::string differences(const FormSnapshot& before, const FormSnapshot& after) {
    std::string out;
    for (const auto& [name, state] : after) {
        const auto it = before.find(name);
        if (it == before.end() || it->second != state) out += name + " ";
    }
    return out;
}

}  // namespace qavi::test
