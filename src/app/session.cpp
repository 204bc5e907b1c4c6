#include "app/session.h"

namespace mezura {

Session::Session() : m_engine(m_tapes, m_host) {}

}  // namespace mezura
