#include "app/session.h"

#include "storage/io/kept_cells.h"
#include "storage/io/settings_store.h"

namespace mezura {

Session::Session() : m_engine(m_tapes) {}

Session::Session(std::unique_ptr<SettingsStore> settings)
    : m_engine(m_tapes), m_settings(std::move(settings)) {}

Session::~Session() = default;

void Session::SetKept(std::unique_ptr<KeptCells> kept) { m_kept = std::move(kept); }

}  // namespace mezura
