// The Korean table of the vocabulary. Days are written as Korean phones show
// a lunar date, month.day (3.15), with the month alone on its first day
// (3월, a leap month 윤3월). Such a title stands in a calendar of Gregorian
// days, where a bare 3.15 reads as the 15th of March: it is marked 음 (음력),
// as KASI's almanac releases and the press write a lunar date ("설날(음 1월
// 1일)", "정월대보름(음 1월 15일)": 아주경제 2018-03-15 quoting KASI,
// https://m.ajunews.com/view/20180315115747771), in the short form 음 3.15.
// Inside a sentence that already says 음력 the mark is not repeated.
#include "calendar/vocabulary.h"
#include "calendar/vocabulary_patterns.h"

namespace tessarine {

constexpr Vocabulary kKoreanWords = {
    {"갑", "을", "병", "정", "무", "기", "경", "신", "임", "계"},
    {"자", "축", "인", "묘", "진", "사", "오", "미", "신", "유", "술", "해"},
    "",
    {"쥐", "소", "호랑이", "토끼", "용", "뱀", "말", "양", "원숭이", "닭", "개", "돼지"},
    "{cycle}년 {animal}띠",
    {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
    {"11월", "12월"},
    "윤",
    "",
    {"1일",  "2일",  "3일",  "4일",  "5일",  "6일",  "7일",  "8일",  "9일",  "10일",
     "11일", "12일", "13일", "14일", "15일", "16일", "17일", "18일", "19일", "20일",
     "21일", "22일", "23일", "24일", "25일", "26일", "27일", "28일", "29일", "30일"},
    "{leap}{monthNumber}.{dayNumber}",
    "{month} {day}",
    "음 ",
    "{calendar} {year} {monthDay}",
    {"소한", "대한", "입춘", "우수", "경칩", "춘분", "청명", "곡우", "입하", "소만", "망종", "하지",
     "소서", "대서", "입추", "처서", "백로", "추분", "한로", "상강", "입동", "소설", "대설", "동지"},
    {"설날", "정월 초이틀", "정월 초사흘", "정월대보름", "삼짇날", "훙왕 기일", "석가탄신일", "단오", "칠석", "백중",
     "추석", "중양절", "시월 초하루", "납일", "조왕날", "섣달그믐"},
    {"신정", "밸런타인데이", "세계 여성의 날", "만우절", "노동절", "청년절", "아동절", "교사절", "국경절", "핼러윈",
     "크리스마스이브", "크리스마스", "어머니날", "아버지날", "추수감사절"},
    {"일", "월", "화", "수", "목", "금", "토"},
    "휴",
    "근무",
    {"중국 음력", "음력", "베트남 음력"},
    "음력 기념일",
    "{days}일 후: {name}",
    {"삭", "상현", "망", "하현"},
    {"초복", "중복", "말복"},
    {"1구", "2구", "3구", "4구", "5구", "6구", "7구", "8구", "9구"},
    "{period} {day}일째",
    "{year}년 {month}월 {day}일",
    "달의 위상",
    "24절기",
};

static_assert(PatternsFill(kKoreanWords));

}  // namespace tessarine
