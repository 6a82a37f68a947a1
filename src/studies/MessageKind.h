#pragma once

namespace kvor {

// The kind of message box a refusal or failure is shown in.
enum class MessageKind { Error, Warning, Information, Confirmation };

} // namespace kvor
