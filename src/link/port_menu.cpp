#include "link/port_menu.h"

#include <algorithm>
#include <cctype>

namespace qavi::link {

namespace {

bool isTrimmed(unsigned char c) { return c <= 0x20 || c == 0x7F; }

std::string trim(const std::string& s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && isTrimmed(static_cast<unsigned char>(s[begin]))) ++begin;
    while (end > begin && isTrimmed(static_cast<unsigned char>(s[end - 1]))) --end;
    return s.substr(begin, end - begin);
}

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Digit runs compare by value, so ttyS2 comes before ttyS10.
bool naturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t ie = i;
            std::size_t je = j;
            while (ie < a.size() && isDigit(a[ie])) ++ie;
            while (je < b.size() && isDigit(b[je])) ++je;
            std::string da = a.substr(i, ie - i);
            std::string db = b.substr(j, je - j);
            da.erase(0, std::min(da.find_first_not_of('0'), da.size()));
            db.erase(0, std::min(db.find_first_not_of('0'), db.size()));
            if (da.size() != db.size()) return da.size() < db.size();
            if (da != db) return da < db;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
    return a < b;
}

}  // namespace

std::vector<std::string> cleanPortNames(const std::vector<std::string>& listed) {
    std::vector<std::string> names;
    for (const auto& raw : listed) {
        std::string name = trim(raw);
        if (!name.empty()) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), naturalLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool isWindowsPortName(const std::string& name) {
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0 || name[3] == '0') return false;
    return std::all_of(name.begin() + 3, name.end(), isDigit);
}

PortMenuLayout layoutPortMenu(const std::vector<std::string>& cleanedNames) {
    PortMenuLayout layout;
    layout.useDesignItems =
        cleanedNames.empty() || std::any_of(cleanedNames.begin(), cleanedNames.end(), isWindowsPortName);
    if (!layout.useDesignItems) {
        layout.itemNames = cleanedNames;
        return layout;
    }
    for (int i = 1; i <= kDesignPortItems; ++i) {
        const std::string design = "COM" + std::to_string(i);
        if (std::find(cleanedNames.begin(), cleanedNames.end(), design) != cleanedNames.end()) {
            layout.itemNames.push_back(design);
        }
    }
    return layout;
}

}  // namespace qavi::link
