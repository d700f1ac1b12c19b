#pragma once
// The maker's addresses on the web, in one place: the title page's web pages,
// the price list's catalogue, shop and mail link and the support address all
// take them from here.
// The maker and its domain are fictitious (".example" never resolves).

namespace indirizzi {

constexpr const char* leggiEDecreti = "https://www.zentoria.example/velmor/leggi-e-decreti";
constexpr const char* forum = "https://forum.zentoria.example/velmor";
constexpr const char* consulenze = "https://www.zentoria.example/consulenze";
constexpr const char* software = "https://www.zentoria.example/software";
constexpr const char* catalogo = "https://www.zentoria.example/software/catalogo";
constexpr const char* negozio = "https://negozio.zentoria.example/software";
constexpr const char* sito = "www.zentoria.example";
constexpr const char* posta = "info@zentoria.example";
constexpr const char* assistenza = "assistenza@zentoria.example";

} // namespace indirizzi
