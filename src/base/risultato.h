#pragma once
// What a reader gives back: the value it read, or the typed reason why there
// is none. One channel for both, so that a caller never has to merge a
// returned outcome with a thrown one (std::expected arrives only with C++23).

#include <utility>
#include <variant>

namespace velaris {

template <typename T, typename E> class risultato {
public:
    risultato(T valore) : m_stato(std::in_place_index<0>, std::move(valore)) {}
    risultato(E errore) : m_stato(std::in_place_index<1>, std::move(errore)) {}

    /// True when there is a value.
    explicit operator bool() const { return m_stato.index() == 0; }

    /// The value; asking for it when there is none is a programming error
    /// (std::bad_variant_access).
    T& valore() & { return std::get<0>(m_stato); }
    const T& valore() const& { return std::get<0>(m_stato); }
    T&& valore() && { return std::get<0>(std::move(m_stato)); }
    T* operator->() { return &valore(); }
    const T* operator->() const { return &valore(); }

    /// The reason; asking for it when there is a value is a programming error.
    const E& errore() const { return std::get<1>(m_stato); }

private:
    std::variant<T, E> m_stato;
};

} // namespace velaris
