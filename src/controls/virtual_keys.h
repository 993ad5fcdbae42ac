#pragma once
// The key codes the controls react to, with their Windows values.

namespace controls {
namespace vk {
constexpr unsigned Return = 0x0D;
constexpr unsigned Escape = 0x1B;
constexpr unsigned Space = 0x20;
constexpr unsigned Left = 0x25;
constexpr unsigned Up = 0x26;
constexpr unsigned Right = 0x27;
constexpr unsigned Down = 0x28;
}  // namespace vk
}  // namespace controls
