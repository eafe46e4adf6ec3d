cmake_minimum_required(VERSION 3.25)
# Runs a benchmark program (PROGRAMMA) with each row's output options and
# checks its exit code and, on a refusal, the message on stderr. Every run
# chooses no benchmark, so none runs, whatever the program does with the
# options. Row: exit code | environment | arguments | text stderr holds
# ("-": no refusal).
string(ASCII 27 ESC)
set(ammessi "(ammessi: console, json, csv)")
set(nome_file "(serve il nome di un file)")
set(righe
  "1||--benchmark_format=xml|valore non valido per --benchmark_format: \"xml\" ${ammessi}"
  "1||--benchmark_format=|valore non valido per --benchmark_format: \"\" ${ammessi}"
  "1||--benchmark_format=JSON|valore non valido per --benchmark_format: \"JSON\" ${ammessi}"
  "1||--benchmark_out_format=xml|valore non valido per --benchmark_out_format: \"xml\" ${ammessi}"
  "1||--benchmark_out=|valore non valido per --benchmark_out: \"\" ${nome_file}"
  "1||--benchmark_format=json --benchmark_format=xml|\"xml\""
  "1||--benchmark_format=a${ESC}b|valore non valido per --benchmark_format: \"a\\x1Bb\" ${ammessi}"
  "1|BENCHMARK_FORMAT=xml||valore non valido per la variabile d'ambiente BENCHMARK_FORMAT: \"xml\" ${ammessi}"
  "1|BENCHMARK_FORMAT=||la variabile d'ambiente BENCHMARK_FORMAT: \"\""
  "1|BENCHMARK_OUT=||valore non valido per la variabile d'ambiente BENCHMARK_OUT: \"\" ${nome_file}"
  "0||--benchmark_format=csv --benchmark_out_format=console|-"
  "0||--benchmark_format=xml --benchmark_format=json|-"
  "0|BENCHMARK_FORMAT=xml|--benchmark_format=console|-"
)
set(errori "")
foreach(riga IN LISTS righe)
  string(REPLACE "|" ";" campi "${riga}")
  list(GET campi 0 codice)
  list(GET campi 1 ambiente)
  list(GET campi 2 argomenti)
  list(GET campi 3 atteso)
  separate_arguments(argomenti UNIX_COMMAND "${argomenti}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=BENCHMARK_FORMAT --unset=BENCHMARK_OUT
            --unset=BENCHMARK_OUT_FORMAT ${ambiente}
            ${PROGRAMMA} ${argomenti} --benchmark_filter=^NESSUNO$
    RESULT_VARIABLE uscita OUTPUT_VARIABLE uscite ERROR_VARIABLE errore)
  set(trovato 0)
  if(NOT atteso STREQUAL "-")
    string(FIND "${errore}" "${atteso}" trovato)
  endif()
  string(FIND "${errore}" "valore non valido" rifiuto)
  if(NOT uscita STREQUAL codice OR trovato EQUAL -1 OR (atteso STREQUAL "-" AND rifiuto GREATER -1))
    string(APPEND errori "${riga}\n  uscita ${uscita}, stderr: ${errore}\n")
  endif()
endforeach()
if(errori)
  message(FATAL_ERROR "${errori}")
endif()
