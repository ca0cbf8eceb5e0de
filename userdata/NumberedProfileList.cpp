#include "userdata/NumberedProfileList.h"

#include "platform/sys/ProfileStore.h"

#include <algorithm>

NumberedProfileList::NumberedProfileList(std::string section, std::string keyPrefix)
    : m_section(std::move(section)), m_prefix(std::move(keyPrefix))
{
}

std::string NumberedProfileList::value(int number) const
{
    return vd::ProfileStore().getString(m_section, key(number));
}

std::vector<std::string> NumberedProfileList::values() const
{
    const vd::ProfileStore profile;
    std::vector<std::string> list;
    for (int number = 1; number <= kNumberedListSize; ++number) {
        std::string entry = profile.getString(m_section, key(number));
        if (entry.empty())
            break;
        list.push_back(std::move(entry));
    }
    return list;
}

bool NumberedProfileList::add(const std::string& path)
{
    vd::ProfileStore profile;
    int number = 1;
    for (; number <= kNumberedListSize; ++number) {
        const std::string entry = profile.getString(m_section, key(number));
        if (entry.empty())
            break;
        if (entry == path)
            return false;
    }
    return profile.writeString(m_section, key(std::min(number, kNumberedListSize)), path);
}

void NumberedProfileList::remove(int number)
{
    vd::ProfileStore profile;
    profile.writeString(m_section, key(number), "");
    for (int next = number + 1; next <= kNumberedListSize; ++next) {
        const std::string entry = profile.getString(m_section, key(next));
        if (entry.empty())
            break;
        profile.writeString(m_section, key(next - 1), entry);
        profile.writeString(m_section, key(next), "");
    }
}
