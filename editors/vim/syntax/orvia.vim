" Vim syntax file
" Language: Orvia knowledge files (keyword indexes, response files, tables)
"
" Orvia reads a line by its first character as it stands, so every rule here
" is anchored at column 1. A keyword index has no "*" lines and a response
" file's blocks start at its first "*" line, so a file is read as an index up
" to its first "*" line and as a response file from there on.

if exists('b:current_syntax')
  finish
endif

syn case match
" The response part runs to the end of the file, so its state needs the top.
syn sync fromstart

let s:name = tolower(expand('%:t'))

if index(['reflections.txt', 'substitutions.txt', 'settings.txt', 'stopwords.txt'], s:name) >= 0
  " The tables: a rule or setting word, then its words.
  syn match orviaTableWord /^[^/ ]\S*/
  syn match orviaComment /^\/.*$/
  hi def link orviaTableWord Keyword
  hi def link orviaComment Comment
  let b:current_syntax = 'orvia'
  finish
endif

" --- Keyword index -------------------------------------------------------

" Code (characters 1-4), separator (5, a blank), phrase (6 on, blanks and all).
syn match orviaKeywordLine /^[^/[*].*$/ contains=orviaCode,orviaBadSep,orviaPhrase
syn match orviaCode /^.\{4}/ contained
syn match orviaBadSep /\%5c[^ ]/ contained
syn match orviaPhrase /\%6c.*$/ contained contains=orviaEdge
" A blank at either end of a phrase is a word edge, easy to lose when editing.
syn match orviaEdge /\%6c \+\| \+$/ contained
" One to five characters: no phrase, so every search reaching it fails.
syn match orviaError /^[^/[*].\{,4}$/

" The section's file name is the line less its first and last character.
syn match orviaSection /^\[.*$/ contains=orviaSectionName,orviaSectionEnd,orviaBadSectionEnd
syn match orviaSectionName /\%2c.*\ze.$/ contained
syn match orviaSectionEnd /\%>1c\]$/ contained
syn match orviaBadSectionEnd /\%>1c[^\]]$/ contained
syn match orviaError /^\[$/

syn match orviaComment /^\/.*$/ contains=orviaMeant
" The markers the checker honours on the line above a keyword line.
syn match orviaMeant /^\/ \(shadow\|inside words\): meant/ contained

" --- Response file -------------------------------------------------------

syn region orviaResponse start=/^\ze\*/ end=/\%$/ contains=@orviaBlockLine
syn cluster orviaBlockLine contains=orviaHeader,orviaBlockEnd,orviaStatement,orviaQuestion,orviaAttribute,orviaFollowUp,orviaComment,orviaIgnored,orviaEntryError

syn match orviaIgnored /^[^*#$@&/].*$/ contained contains=orviaLeadBlank
" A blank before a marker makes the line a comment: almost always a slip.
syn match orviaLeadBlank /^ \+[*#$@&]/ contained

syn match orviaHeader /^\*\s*\S.*$/ contained
syn match orviaBlockEnd /^\*\s*$/ contained

syn match orviaStatement /^#.*$/ contained contains=orviaStatementMark,orviaNoBlank,orviaTag,orviaBadTag,orviaControl
syn match orviaStatementMark /^#/ contained
" "#text": the character after "#" is dropped with it.
syn match orviaNoBlank /\%2c[^ ]/ contained
syn match orviaQuestion /^\$.*$/ contained contains=orviaQuestionMark,orviaTag,orviaBadTag,orviaControl
syn match orviaQuestionMark /^\$/ contained

" "@", an eight-character label, the value from character 10.
syn match orviaAttribute /^@.*$/ contained contains=orviaAttributeLabel,orviaAttributeValue
syn match orviaAttributeLabel /\%2c.\{1,8}/ contained
syn match orviaAttributeValue /\%10c.*$/ contained contains=orviaTag

syn match orviaFollowUp /^&.*$/ contained contains=orviaFollowUpFile
syn match orviaFollowUpFile /\%2c.*$/ contained

" Entries are lower-cased before their tags are filled, so tags are any case.
syn match orviaBadTag /\[[^\]]*\]\?\|\]/ contained
syn match orviaTag /\c\[\(name\|keyword\|next\|following\)\]/ contained
" Everything from "{" on is cut off the answer.
syn match orviaControl /{.*$/ contained

" Entries and attributes that leave no text, or are too short to read.
syn match orviaEntryError /^#\s*$\|^\$\s*$\|^@.\{,7}$/ contained

hi def link orviaComment        Comment
hi def link orviaIgnored        Comment
hi def link orviaMeant          SpecialComment
hi def link orviaSectionName    Include
hi def link orviaSectionEnd     Delimiter
hi def link orviaSection        Delimiter
hi def link orviaCode           Number
hi def link orviaPhrase         String
hi def link orviaEdge           Visual
hi def link orviaHeader         Function
hi def link orviaBlockEnd       Statement
hi def link orviaStatementMark  Operator
hi def link orviaQuestionMark   Operator
hi def link orviaQuestion       Identifier
hi def link orviaAttribute      Operator
hi def link orviaAttributeLabel Keyword
hi def link orviaAttributeValue String
hi def link orviaFollowUp       Operator
hi def link orviaFollowUpFile   Include
hi def link orviaTag            Special
hi def link orviaControl        WarningMsg
hi def link orviaBadTag         Error
hi def link orviaBadSep         Error
hi def link orviaBadSectionEnd  Error
hi def link orviaNoBlank        Error
hi def link orviaLeadBlank      Error
hi def link orviaEntryError     Error
hi def link orviaError          Error

let b:current_syntax = 'orvia'
