#include "store/demo_names.h"

namespace ledra::store::demo {
namespace {

// Texts are Windows-1252 ("\xE3" is ã, "\xE9" é, "\xE7" ç ...).
constexpr std::string_view kMale[] = {"Afonso",
                                      "Alberto",
                                      "Ant\xF3nio",
                                      "Armando",
                                      "Artur",
                                      "Bernardo",
                                      "Bruno",
                                      "Carlos",
                                      "Diogo",
                                      "Duarte",
                                      "Eduardo",
                                      "Fernando",
                                      "Filipe",
                                      "Francisco",
                                      "Gon\xE7"
                                      "alo",
                                      "Gaspar",
                                      "Henrique",
                                      "Hugo",
                                      "In\xE1"
                                      "cio",
                                      "Jaime",
                                      "Joaquim",
                                      "Jo\xE3o",
                                      "Jorge",
                                      "Lu\xEDs",
                                      "Manuel",
                                      "M\xE1rio",
                                      "Miguel",
                                      "Nuno",
                                      "Paulo",
                                      "Pedro",
                                      "Ricardo",
                                      "Rodrigo",
                                      "Rui",
                                      "Sebasti\xE3o",
                                      "S\xE9rgio",
                                      "Tiago",
                                      "Tom\xE1s",
                                      "Vasco",
                                      "V\xEDtor",
                                      "Xavier"};
constexpr std::string_view kFemale[] = {"Ad\xE9lia",
                                        "Alice",
                                        "Ana",
                                        "Beatriz",
                                        "Benedita",
                                        "Carla",
                                        "Carolina",
                                        "Catarina",
                                        "Clara",
                                        "Cl\xE1udia",
                                        "Diana",
                                        "Doroteia",
                                        "Elisa",
                                        "Filipa",
                                        "Gabriela",
                                        "Helena",
                                        "In\xEAs",
                                        "Irene",
                                        "Isabel",
                                        "Joana",
                                        "Julieta",
                                        "Laura",
                                        "L\xFA"
                                        "cia",
                                        "Lu\xEDsa",
                                        "Madalena",
                                        "Margarida",
                                        "Maria",
                                        "Marta",
                                        "Matilde",
                                        "No\xE9mia",
                                        "Olga",
                                        "Patr\xED"
                                        "cia",
                                        "Raquel",
                                        "Rita",
                                        "Rosa",
                                        "Sara",
                                        "Sofia",
                                        "Teresa",
                                        "Vera",
                                        "Yolanda"};
constexpr std::string_view kSurnames[] = {"Abrantes",
                                          "Almada",
                                          "Amaral",
                                          "Antunes",
                                          "Arag\xE3o",
                                          "Barreto",
                                          "Bettencourt",
                                          "Brand\xE3o",
                                          "Cabral",
                                          "Caldeira",
                                          "Carvalhal",
                                          "Castanheira",
                                          "Coelho",
                                          "Cordeiro",
                                          "Correia",
                                          "Cunha",
                                          "Dami\xE3o",
                                          "Esteves",
                                          "Fa\xED"
                                          "sca",
                                          "Falc\xE3o",
                                          "Faria",
                                          "Figueira",
                                          "Fonseca",
                                          "Fragoso",
                                          "Freitas",
                                          "Galv\xE3o",
                                          "Gaspar",
                                          "Godinho",
                                          "Gouveia",
                                          "Lacerda",
                                          "Leit\xE3o",
                                          "Louren\xE7o",
                                          "Macedo",
                                          "Magalh\xE3"
                                          "es",
                                          "Malheiro",
                                          "Matias",
                                          "Meireles",
                                          "Mendon\xE7"
                                          "a",
                                          "Moniz",
                                          "Morais",
                                          "Nogueira",
                                          "Oliveira",
                                          "Pacheco",
                                          "Paix\xE3o",
                                          "Palma",
                                          "Pestana",
                                          "Quaresma",
                                          "Queir\xF3s",
                                          "Rebelo",
                                          "Sampaio",
                                          "Sardinha",
                                          "Seixas",
                                          "Serr\xE3o",
                                          "Tavares",
                                          "Teixeira",
                                          "Trindade",
                                          "Valente",
                                          "Vasconcelos",
                                          "Veloso",
                                          "Xavier"};
constexpr std::string_view kStreets[] = {
    "Rua das Ac\xE1"
    "cias",
    "Rua do Moinho",
    "Travessa da Fonte",
    "Avenida dos Pinheiros",
    "Rua da Eira",
    "Largo do Pelourinho",
    "Rua das Oliveiras",
    "Rua do Ribeiro",
    "Rua da Azenha",
    "Beco das Flores",
    "Rua do Castelo",
    "Avenida da Lagoa",
    "Rua dos Lavradores",
    "Rua da Vinha"};
constexpr std::string_view kTowns[] = {"Vila Serrana",          "Porto Velho de Baixo",
                                       "Vale da Ribeira",       "Monte Alvar",
                                       "S\xE3o Bento da Serra", "Quinta do Lago Azul"};
constexpr std::string_view kGroups[] = {"Norte",   "Sul",   "Nascente", "Poente", "Centro",
                                        "Ribeira", "Serra", "Vale",     "Lagoa",  "Moinho"};
constexpr std::string_view kNeeds[] = {"Cadeira de rodas",
                                       "Precisa de transporte para as reuni\xF5"
                                       "es",
                                       "Ouve mal; usar o sistema de som", "Visita em casa"};
constexpr std::string_view kRemarks[] = {"Relat\xF3rio entregue tarde", "Esteve doente",
                                         "Trabalhou fora da cidade", "Ajudou na constru\xE7\xE3o",
                                         "Cuidou da m\xE3"
                                         "e"};

}  // namespace

std::span<const std::string_view> MaleNames() {
  return kMale;
}
std::span<const std::string_view> FemaleNames() {
  return kFemale;
}
std::span<const std::string_view> Surnames() {
  return kSurnames;
}
std::span<const std::string_view> Streets() {
  return kStreets;
}
std::span<const std::string_view> Towns() {
  return kTowns;
}
std::span<const std::string_view> GroupNames() {
  return kGroups;
}
std::span<const std::string_view> Needs() {
  return kNeeds;
}
std::span<const std::string_view> Remarks() {
  return kRemarks;
}

}  // namespace ledra::store::demo
