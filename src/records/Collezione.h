#pragma once

#include "base/Errore.h"

#include <QString>
#include <iterator>
#include <memory>
#include <vector>

// An ordered collection indexed from 1. Items live on the heap, so a reference to an item stays
// valid while other items are added or removed around it (the editor keeps references to the
// exercises it shows). Copying a collection copies its items.
template <typename T> class Collezione {
public:
    static constexpr long IndiceNonValido = 9;

    Collezione() = default;
    Collezione(const Collezione& altra) { copiaDa(altra); }
    Collezione& operator=(const Collezione& altra) {
        if (this != &altra) {
            voci_.clear();
            copiaDa(altra);
        }
        return *this;
    }
    Collezione(Collezione&&) noexcept = default;
    Collezione& operator=(Collezione&&) noexcept = default;

    long Count() const { return static_cast<long>(voci_.size()); }
    bool isEmpty() const { return voci_.empty(); }

    T& Item(long indice) { return *voci_[posizione(indice)]; }
    const T& Item(long indice) const { return *voci_[posizione(indice)]; }
    T& operator[](long indice) { return Item(indice); }
    const T& operator[](long indice) const { return Item(indice); }

    // Appends the item, or inserts it before position `prima` (1 to Count).
    T& Add(T elemento, long prima = 0) {
        auto voce = std::make_unique<T>(std::move(elemento));
        T& rif = *voce;
        if (prima == 0)
            voci_.push_back(std::move(voce));
        else
            voci_.insert(voci_.begin() + static_cast<std::ptrdiff_t>(posizione(prima)), std::move(voce));
        return rif;
    }

    void Remove(long indice) { voci_.erase(voci_.begin() + static_cast<std::ptrdiff_t>(posizione(indice))); }
    void Clear() { voci_.clear(); }

    template <typename Voce, typename Base> class Iteratore {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Voce*;
        using reference = Voce&;

        Iteratore() = default;
        explicit Iteratore(Base it) : it_(it) {}
        Voce& operator*() const { return **it_; }
        Voce* operator->() const { return it_->get(); }
        Iteratore& operator++() {
            ++it_;
            return *this;
        }
        Iteratore operator++(int) {
            Iteratore t = *this;
            ++it_;
            return t;
        }
        bool operator==(const Iteratore& o) const { return it_ == o.it_; }

    private:
        Base it_{};
    };
    using iterator = Iteratore<T, typename std::vector<std::unique_ptr<T>>::iterator>;
    using const_iterator = Iteratore<const T, typename std::vector<std::unique_ptr<T>>::const_iterator>;

    iterator begin() { return iterator(voci_.begin()); }
    iterator end() { return iterator(voci_.end()); }
    const_iterator begin() const { return const_iterator(voci_.cbegin()); }
    const_iterator end() const { return const_iterator(voci_.cend()); }

private:
    std::size_t posizione(long indice) const {
        if (indice < 1 || indice > Count())
            throw Errore(IndiceNonValido,
                         QStringLiteral("Indice non incluso nell'intervallo (%1).").arg(indice),
                         QStringLiteral("Collezione"));
        return static_cast<std::size_t>(indice - 1);
    }
    void copiaDa(const Collezione& altra) {
        voci_.reserve(altra.voci_.size());
        for (const auto& v : altra.voci_)
            voci_.push_back(std::make_unique<T>(*v));
    }

    std::vector<std::unique_ptr<T>> voci_;
};
