#pragma once
// The name of every window of the program, the one key the window registry
// knows it by. A window's class takes its NOME from here, and any code that
// shows, loads or unloads a window names it by these constants: a misspelt
// name does not compile. Kept in frame/, below every window's folder, so that
// naming a window of another folder never means including its class; code
// that includes the class anyway reaches the instance with finestre::forma<T>().

namespace finestre::nomi {

// The seven main windows.
inline constexpr char dati[] = "dati";
inline constexpr char pluviometrici[] = "pluviometrici";
inline constexpr char sismica[] = "sismica";
inline constexpr char circolare[] = "circolare";
inline constexpr char circolare2[] = "circolare2";
inline constexpr char circolare3[] = "circolare3";
inline constexpr char frontespizio[] = "frontespizio";

// The help: its contents page, its pages and the seismic formulas.
inline constexpr char sommario[] = "sommario";
inline constexpr char manuale[] = "manuale";
inline constexpr char guidafunzionamento[] = "guidafunzionamento";
inline constexpr char guidaarchivio[] = "guidaarchivio";
inline constexpr char guidadati[] = "guidadati";
inline constexpr char guidapluviometrici[] = "guidapluviometrici";
inline constexpr char guidasismica[] = "guidasismica";
inline constexpr char guidanorme[] = "guidanorme";
inline constexpr char guidafrontespizio[] = "guidafrontespizio";
inline constexpr char guidastampa[] = "guidastampa";
inline constexpr char guidaformule[] = "guidaformule";

// The others.
inline constexpr char frmSplash[] = "frmSplash";
inline constexpr char frmTip[] = "frmTip";
inline constexpr char licenza[] = "licenza";
inline constexpr char prodotti[] = "prodotti";
inline constexpr char supportoclienti[] = "supportoclienti";
inline constexpr char informa[] = "informa";

} // namespace finestre::nomi
