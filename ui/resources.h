#pragma once

namespace tamurik {

// Makes the icon set of the ui library available as ":/icons/<name>"; the resources of a
// static library are not registered by themselves.
void InitResources();

} // namespace tamurik
