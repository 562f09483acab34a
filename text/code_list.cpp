#include "text/code_list.h"

#include <algorithm>
#include <cstdint>
#include <unicode/coll.h>

#include "text/collation_locale.h"
#include "text/cp1252.h"
#include "text/error.h"

namespace tt {

struct LocaleComparison::Impl {
    std::unique_ptr<icu::Collator> collator;
    // Working buffers, kept so that sort keys need no new memory each time.
    std::u16string decoded;
    std::u16string decodedOther;
    std::string key;
};

namespace {

std::unique_ptr<icu::Collator> createCollator()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(collationLocale(icu::Locale::getDefault()), status));
    if (U_SUCCESS(status) && collator)
        collator->setAttribute(UCOL_STRENGTH, UCOL_SECONDARY, status);
    if (U_FAILURE(status) || !collator)
        throw Error(std::string("No se puede preparar la comparaci\xF3n de textos del idioma del usuario (")
                    + u_errorName(status) + ")");
    return collator;
}

int32_t asLength(std::size_t size)
{
    return static_cast<int32_t>(size);
}

}  // namespace

LocaleComparison::LocaleComparison() : impl_(std::make_unique<Impl>())
{
    impl_->collator = createCollator();
}

LocaleComparison::~LocaleComparison() = default;
LocaleComparison::LocaleComparison(LocaleComparison&&) noexcept = default;
LocaleComparison& LocaleComparison::operator=(LocaleComparison&&) noexcept = default;

std::string_view LocaleComparison::sortKeyView(std::string_view text) const
{
    decodeCp1252Into(text, impl_->decoded);
    std::string& key = impl_->key;
    if (key.size() < 64)
        key.resize(64);
    for (;;) {
        const int32_t needed = impl_->collator->getSortKey(
            impl_->decoded.data(), asLength(impl_->decoded.size()),
            reinterpret_cast<uint8_t*>(key.data()), asLength(key.size()));
        if (needed <= 0)
            throw Error("No se puede calcular la clave de orden de '" + std::string(text) + "'");
        if (static_cast<std::size_t>(needed) <= key.size())
            return std::string_view(key.data(), static_cast<std::size_t>(needed) - 1);  // no final 0
        key.resize(static_cast<std::size_t>(needed));
    }
}

std::string LocaleComparison::sortKey(std::string_view text) const
{
    return std::string(sortKeyView(text));
}

int LocaleComparison::compare(std::string_view a, std::string_view b) const
{
    decodeCp1252Into(a, impl_->decoded);
    decodeCp1252Into(b, impl_->decodedOther);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = impl_->collator->compare(
        impl_->decoded.data(), asLength(impl_->decoded.size()),
        impl_->decodedOther.data(), asLength(impl_->decodedOther.size()), status);
    if (U_FAILURE(status))
        throw Error("No se pueden comparar los textos '" + std::string(a) + "' y '" + std::string(b) + "'");
    return static_cast<int>(result);
}

CodeList::CodeList() = default;

void CodeList::add(std::string_view value)
{
    firstByKey_.insert(comparison_.sortKeyView(value), items_.size());
    items_.emplace_back(value);
}

bool CodeList::addIfAbsent(std::string_view value)
{
    if (!firstByKey_.insert(comparison_.sortKeyView(value), items_.size()))
        return false;
    items_.emplace_back(value);
    return true;
}

std::optional<std::size_t> CodeList::find(std::string_view value) const
{
    return firstByKey_.find(comparison_.sortKeyView(value));
}

SortedCodeList::SortedCodeList() = default;

namespace {

template <typename Items>
auto lowerBoundByKey(Items& items, std::string_view key)
{
    return std::lower_bound(items.begin(), items.end(), key,
                            [](const auto& item, std::string_view k) { return std::string_view(item.key) < k; });
}

}  // namespace

void SortedCodeList::add(std::string_view value)
{
    const std::string_view key = comparison_.sortKeyView(value);
    // Values often come in order: appending then needs no search.
    if (items_.empty() || std::string_view(items_.back().key) < key) {
        items_.push_back(Item{std::string(key), std::string(value)});
        return;
    }
    const auto position = lowerBoundByKey(items_, key);
    if (position != items_.end() && position->key == key)
        return;
    items_.insert(position, Item{std::string(key), std::string(value)});
}

std::optional<std::size_t> SortedCodeList::find(std::string_view value) const
{
    const std::string_view key = comparison_.sortKeyView(value);
    const auto position = lowerBoundByKey(items_, key);
    if (position == items_.end() || position->key != key)
        return std::nullopt;
    return static_cast<std::size_t>(position - items_.begin());
}

}  // namespace tt
