#pragma once

// Who gives technical support, shown in the support window. Whoever
// distributes the program fills these in; the values here name no one.
namespace SupportInfo {

inline constexpr const char16_t *CompanyName = u"岑禾";
inline constexpr const char16_t *PhoneAndFax = u"(請填入電話)  傳真:(請填入傳真)";
inline constexpr const char16_t *RemoteEndpoint1 = u"remote1.example.com:5938";
inline constexpr const char16_t *RemoteEndpoint2 = u"remote2.example.com:5938";

inline constexpr const char16_t *SiteText = u"www.example.com";
inline constexpr const char16_t *SiteUrl = u"https://www.example.com/support/index.html";
inline constexpr const char16_t *ProductText = u"www.example.org/cenhe.html";
inline constexpr const char16_t *ProductUrl = u"https://www.example.org/cenhe.html";

} // namespace SupportInfo
