" Orvia knowledge files: the .txt files of a data/ folder that holds a main
" index. Other data/ folders (a project's test data, say) keep their filetype.
function! s:IsKnowledgeFolder(dir) abort
  if filereadable(a:dir . '/keywords.txt')
    return 1
  endif
  " Orvia finds a file whose name differs only in letter case too.
  for l:name in readdir(a:dir)
    if tolower(l:name) ==# 'keywords.txt'
      return 1
    endif
  endfor
  return 0
endfunction

autocmd BufNewFile,BufRead */data/*.txt,*/data/*.TXT
      \ if s:IsKnowledgeFolder(expand('<afile>:p:h')) | set filetype=orvia | endif
