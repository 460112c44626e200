#pragma once

// The product's update server. Until the product has a server of its own this is a
// placeholder host; pointing every default at another server means changing only
// this text. It is an HTTP root and ends in "/", the form a normalised source has.
namespace UpdateServer {

inline constexpr char defaultRootUrl[] = "https://updates.zarni.example/";

}  // namespace UpdateServer
